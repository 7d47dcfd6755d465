#pragma once

#include <optional>

#include "simulation/cSamplerFactory.h"
#include "simulation/cTrialDraws.h"

namespace korval {

class cRayleighDoc;
struct RayleighUncertainty;

// The figures of one Rayleigh trial: the MBI and Putnam's main build effort and peak staff.
struct RayleighTrial {
    double timeToDevelop = 0;  // months
    double mbi = 0;
    double mainBuildEffort = 0;  // person-months
    double peakStaff = 0;        // people
};

// A Rayleigh model copied out of its document for the trials (see cCocomoTrialModel).
class cRayleighTrialModel {
  public:
    cRayleighTrialModel(const cRayleighDoc& document, const RayleighUncertainty& uncertainty,
                        ThreePointShape shape, cSamplerFactory& samplers);

    bool HasUncertainSize() const { return size_.has_value(); }
    bool HasUncertainSchedule() const { return schedule_.has_value(); }
    // Size and time to develop come from the trial's draws, or from the models before it.
    RayleighTrial Run(cTrialDraws& draws, std::optional<double> sourceLines,
                      std::optional<double> timeToDevelop) const;

  private:
    double Measure(cTrialDraws& draws) const;

    double sourceLines_ = 0;
    double timeToDevelop_ = 0;
    int buildPhasePercentage_ = 0;
    double measure_ = 0;
    double index_ = 0;
    double indexDeviation_ = 0;
    std::optional<cThreePointSampler> size_;
    std::optional<cThreePointSampler> schedule_;
};

}  // namespace korval
