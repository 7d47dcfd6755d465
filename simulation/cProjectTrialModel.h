#pragma once

#include "simulation/cCocomoTrialModel.h"
#include "simulation/cFunctionPointTrialModel.h"
#include "simulation/cRayleighTrialModel.h"
#include "system/MemberFigures.h"

namespace korval {

class cProjectDoc;

struct ProjectTrial {
    FunctionPointTrial functionPoint;
    CocomoTrial cocomo;
    RayleighTrial rayleigh;

    // What a system takes from the project in this trial.
    MemberFigures AsMember() const;
};

// A project's three models for the trials, linked as the project links their figures: the
// size its sensitivity source names flows through the models after it (function point
// SLOC into COCOMO and Rayleigh, COCOMO's size into Rayleigh), and COCOMO's time to
// develop always reaches Rayleigh. Each model's other inputs (cost drivers, model error,
// productivity) vary by its own settings.
class cProjectTrialModel {
  public:
    cProjectTrialModel(const cProjectDoc& project, ThreePointShape shape,
                       cSamplerFactory& samplers);

    ProjectTrial Run(cTrialDraws& draws) const;

  private:
    enum class Source { FunctionPoint, Cocomo, Rayleigh };

    Source source_;
    cFunctionPointTrialModel functionPoint_;
    cCocomoTrialModel cocomo_;
    cRayleighTrialModel rayleigh_;
};

}  // namespace korval
