#include "simulation/cFunctionPointTrialModel.h"

#include "functionpoint/FunctionPointFormulas.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

namespace {

// The count's own total is the most likely one, kept inside the range given.
std::optional<ThreePointEstimate> InfluenceEstimate(const std::optional<InfluenceRange>& range,
                                                    double total) {
    if (!range) return std::nullopt;
    double mostLikely = total < range->lowest    ? range->lowest
                        : total > range->highest ? range->highest
                                                 : total;
    return ThreePointEstimate{range->lowest, mostLikely, range->highest};
}

}  // namespace

cFunctionPointTrialModel::cFunctionPointTrialModel(const cFunctionPointDoc& document,
                                                   const FunctionPointUncertainty& uncertainty,
                                                   ThreePointShape shape, cSamplerFactory& samplers)
    : unadjustedFunctionPoints_(document.UnadjustedFunctionPoints()),
      totalDegreeOfInfluence_(document.TotalDegreeOfInfluence()),
      linesPerFunctionPoint_(document.GetSelectedLanguage().GetMultiplier()),
      unadjusted_(samplers.Make(uncertainty.unadjustedFunctionPoints, shape)),
      influence_(samplers.Make(
          InfluenceEstimate(uncertainty.totalDegreeOfInfluence, totalDegreeOfInfluence_), shape)) {}

FunctionPointTrial cFunctionPointTrialModel::Run(cTrialDraws& draws) const {
    double ufp =
        unadjusted_ ? unadjusted_->Quantile(draws.Uniform(kSizeDraw)) : unadjustedFunctionPoints_;
    double influence =
        influence_ ? influence_->Quantile(draws.Uniform(kInfluenceDraw)) : totalDegreeOfInfluence_;
    FunctionPointTrial trial;
    trial.adjustedFunctionPoints = ValueAdjustmentFactorFor(influence) * ufp;
    trial.sourceLines = linesPerFunctionPoint_ * trial.adjustedFunctionPoints;
    return trial;
}

}  // namespace korval
