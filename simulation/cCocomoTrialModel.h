#pragma once

#include <array>
#include <optional>
#include <vector>

#include "cocomo/CocomoTables.h"
#include "cocomo/cPhaseDistribution.h"
#include "simulation/cSamplerFactory.h"
#include "simulation/cTrialDraws.h"

namespace korval {

class cCocomoDoc;
struct CocomoUncertainty;

// The figures of one COCOMO trial, with the phases a system adds up.
struct CocomoTrial {
    double sourceLines = 0;
    double adjustedEffort = 0;
    double timeToDevelop = 0;
    double productDesignEffort = 0;
    double productDesignTdev = 0;
    double programmingEffort = 0;
    double programmingTdev = 0;
    double integrationEffort = 0;
    double integrationTdev = 0;
};

// A COCOMO model copied out of its document for the trials: plain values the worker
// threads read without touching the document, computed with the document's own equations
// (CocomoFormulas.h). An input without uncertainty keeps the document's value exactly.
class cCocomoTrialModel {
  public:
    cCocomoTrialModel(const cCocomoDoc& document, const CocomoUncertainty& uncertainty,
                      ThreePointShape shape, cSamplerFactory& samplers);

    bool HasUncertainSize() const { return size_.has_value(); }
    // The size comes from the trial's draws, or from the model before it when given.
    CocomoTrial Run(cTrialDraws& draws, std::optional<double> sourceLines) const;

  private:
    struct Driver {
        double current = 0;
        std::vector<double> choices;  // the multipliers the rating may take; empty if certain
    };
    double EffortAdjustmentFactor(cTrialDraws& draws) const;
    double Fraction(int row, double ksloc) const;
    bool HasRows(std::initializer_list<int> rows) const;

    bool modeValid_ = false;
    DevelopmentMode mode_ = DevelopmentMode::Semidetached;
    ModeConstants constants_;
    double sourceLines_ = 0;
    std::optional<cThreePointSampler> size_;
    std::vector<Driver> drivers_;
    double modelErrorSpread_ = 0;
    std::array<std::optional<cPhaseDistribution>, kPhaseRowsPerMode> rows_;
};

}  // namespace korval
