#pragma once

#include <optional>

#include "functionpoint/FunctionPointUncertainty.h"
#include "simulation/cSamplerFactory.h"
#include "simulation/cTrialDraws.h"

namespace korval {

class cFunctionPointDoc;

struct FunctionPointTrial {
    double adjustedFunctionPoints = 0;
    double sourceLines = 0;
};

// A function point count copied out of its document for the trials (see cCocomoTrialModel):
// the unadjusted total and the total degree of influence may vary, the language stays.
class cFunctionPointTrialModel {
  public:
    cFunctionPointTrialModel(const cFunctionPointDoc& document,
                             const FunctionPointUncertainty& uncertainty, ThreePointShape shape,
                             cSamplerFactory& samplers);

    bool IsUncertain() const { return unadjusted_.has_value() || influence_.has_value(); }
    FunctionPointTrial Run(cTrialDraws& draws) const;

  private:
    double unadjustedFunctionPoints_ = 0;
    double totalDegreeOfInfluence_ = 0;
    double linesPerFunctionPoint_ = 0;
    std::optional<cThreePointSampler> unadjusted_;
    std::optional<cThreePointSampler> influence_;
};

}  // namespace korval
