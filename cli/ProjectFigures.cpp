#include "cli/FiguresJson.h"
#include "cli/PlanFigures.h"
#include "project/ModelConsistency.h"
#include "project/cProjectDoc.h"

namespace korval {

namespace {
const char* SourceName(cProjectDoc::SensitivitySource source) {
    switch (source) {
        case cProjectDoc::SensitivitySource::Cocomo:
            return "COCOMO";
        case cProjectDoc::SensitivitySource::Rayleigh:
            return "RAYLEIGH";
        default:
            return "FP";
    }
}
}  // namespace

Json ProjectFigures(cProjectDoc& document) {
    Json figures;
    figures["sensitivitySource"] = SourceName(document.GetSensitivitySource());
    figures["functionPoint"] = FunctionPointFigures(document.FunctionPointModel());
    figures["cocomo"] = CocomoFigures(document.CocomoModel());
    figures["rayleigh"] = RayleighFigures(document.RayleighModel());
    figures["plan"] = ProjectPlanJson(document);
    ModelConsistency check = CheckConsistency(document.CocomoModel(), document.RayleighModel());
    Json consistency = {{"cocomoEffort", NumberJson(check.cocomoEffort)},
                        {"cocomoTdev", NumberJson(check.cocomoTdev)},
                        {"ownMainBuildPhaseTime", NumberJson(check.ownMainBuildMonths)},
                        {"ownMainBuildEffort", NumberJson(check.ownMainBuildEffort)},
                        {"scheduleFit", std::string(ScheduleFitToken(check.fit))},
                        {"productivityIndexInUse", NumberJson(check.indexInUse)}};
    // A figure that cannot be had is left out rather than given as null.
    if (check.atCocomoScheduleEffort)
        consistency["mainBuildEffortAtCocomoTdev"] = NumberJson(*check.atCocomoScheduleEffort);
    if (check.effortRatio) consistency["effortRatio"] = NumberJson(*check.effortRatio);
    if (check.matchingIndex)
        consistency["matchingProductivityIndex"] = NumberJson(*check.matchingIndex);
    figures["consistency"] = std::move(consistency);
    return figures;
}

}  // namespace korval
