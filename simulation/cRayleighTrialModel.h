#pragma once

#include <optional>

#include "simulation/cSamplerFactory.h"
#include "simulation/cTrialDraws.h"

namespace korval {

class cApplicationType;
class cRayleighDoc;
struct RayleighUncertainty;

// The figures of one Rayleigh trial: the MBI and Putnam's main build effort and peak staff,
// planned as the document plans them (PlanForSchedule): at the trial's schedule only where
// the MBI scale reaches it.
struct RayleighTrial {
    double timeToDevelop = 0;  // months
    double mbi = 0;
    double mainBuildEffort = 0;  // person-months
    double peakStaff = 0;        // people
    double outsideScale = 0;     // 1 outside levels 0..6, or with less than one person
};

// How far the productivity index varies either side of the type's: an organisation's own
// projects seldom spread wider. (The type's standard deviation stays the sensitivity range.)
inline constexpr double kProductivityIndexSpread = 1.0;
// kProductivityIndexSpread, or the deviation calibration fitted for the type.
double ProductivityIndexSpread(const cApplicationType& type);
// The smallest peak staff a trial reports as a plan.
inline constexpr double kSmallestPeakStaff = 1.0;

// A Rayleigh model copied out of its document for the trials (see cCocomoTrialModel).
class cRayleighTrialModel {
  public:
    cRayleighTrialModel(const cRayleighDoc& document, const RayleighUncertainty& uncertainty,
                        ThreePointShape shape, cSamplerFactory& samplers);

    bool HasUncertainSize() const { return size_.has_value(); }
    bool HasUncertainSchedule() const { return schedule_.has_value(); }
    // The trial's size from this model's own range (a project shares it with COCOMO).
    double DrawSize(cTrialDraws& draws) const;
    // Size and time to develop come from the trial's draws, or from the models before it.
    RayleighTrial Run(cTrialDraws& draws, std::optional<double> sourceLines,
                      std::optional<double> timeToDevelop) const;

  private:
    double Measure(cTrialDraws& draws) const;

    double sourceLines_ = 0;
    double timeToDevelop_ = 0;
    int buildPhasePercentage_ = 0;
    double measure_ = 0;
    int buildupLevel_ = 0;
    std::optional<cThreePointSampler> index_;
    std::optional<cThreePointSampler> size_;
    std::optional<cThreePointSampler> schedule_;
};

}  // namespace korval
