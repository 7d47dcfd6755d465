#include "project/ModelConsistency.h"

#include <cmath>

#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/cProductivity.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

ModelConsistency CheckConsistency(const cCocomoDoc& cocomo, const cRayleighDoc& rayleigh) {
    ModelConsistency result;
    result.cocomoEffort = cocomo.GetAdjustedEffort();
    result.cocomoTdev = cocomo.GetTimeToDevelop();
    const cApplicationType* type = rayleigh.SelectedApplicationType();
    if (!type) return result;
    double sloc = rayleigh.GetSourceLines();
    double pm = type->Productivity().Measure();
    result.indexInUse = type->Productivity().Index();
    PutnamEstimate own = rayleigh.OwnEstimate();
    result.ownMainBuildMonths = own.BuildMonths();
    result.ownMainBuildEffort = own.MainBuildEffortMonths();
    double buildYears = rayleigh.MainBuildPhaseTime() / 12.0;
    result.fit = FitOfSchedule(sloc, pm, buildYears);
    if (result.fit == ScheduleFit::kWithin) {
        result.atCocomoScheduleEffort =
            PutnamEstimate{buildYears, LifeCycleEffortYears(sloc, pm, buildYears)}
                .MainBuildEffortMonths();
    }
    double shown = rayleigh.MainBuildEffortMonths();
    if (result.cocomoEffort > 0.0 && shown > 0.0) result.effortRatio = shown / result.cocomoEffort;
    double matching = MeasureFromMainBuildEffort(sloc, buildYears, result.cocomoEffort / 12.0);
    if (matching > 0.0) {
        cProductivity productivity;
        productivity.FromMeasure(matching);
        result.matchingIndex = productivity.Index();
    }
    return result;
}

std::vector<EstimateWarning> ConsistencyWarnings(const ModelConsistency& consistency,
                                                 const cRayleighDoc& rayleigh) {
    if (!consistency.effortRatio) return {};
    double ratio = *consistency.effortRatio;
    if (ratio <= kDisagreementFactor && ratio >= 1.0 / kDisagreementFactor) return {};
    const cApplicationType* type = rayleigh.SelectedApplicationType();
    double putnam = rayleigh.MainBuildEffortMonths();
    std::string message =
        FormatNumber("COCOMO's effort of %.1f person months and ", consistency.cocomoEffort) +
        FormatNumber("Putnam's main build effort of %.1f person months ", putnam) +
        FormatNumber("differ by a factor of %.1f: the two models disagree. ",
                     ratio > 1.0 ? ratio : 1.0 / ratio);
    if (consistency.fit != ScheduleFit::kWithin)
        message +=
            "COCOMO's schedule lies outside the range Putnam's buildup scale describes for "
            "this size and productivity. ";
    message += FormatNumber("The productivity index %.0f", consistency.indexInUse) +
               (type ? " of " + type->Name() : std::string()) +
               " comes from the shipped table, not from this organisation's history";
    if (consistency.matchingIndex)
        message += FormatNumber(
            "; Putnam matches COCOMO's effort at COCOMO's schedule at "
            "productivity index %.1f",
            *consistency.matchingIndex);
    message += ". Calibrate from history, or check the application type.";
    return {{"project.modelsDisagree", message}};
}

}  // namespace korval
