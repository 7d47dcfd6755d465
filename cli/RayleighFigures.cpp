#include "cli/FiguresJson.h"
#include "cli/PlanFigures.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/RayleighSensitivityType.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

// The file's token, except that the project ranges (never stored) have their own name.
std::string SensitivityToken(RayleighSensitivityType type) {
    return type == RayleighSensitivityType::ProjectRanges ? "PROJECT"
                                                          : RayleighSensitivityFileToken(type);
}

}  // namespace

Json RayleighFigures(cRayleighDoc& document) {
    const cApplicationType* type = document.SelectedApplicationType();
    RangedFigure mbi = document.ManpowerBuildupIndexRange();
    Json figures;
    figures["sensitivityType"] = SensitivityToken(document.GetSensitivityType());
    figures["sloc"] = NumberJson(document.GetSourceLines());
    figures["tdev"] = NumberJson(document.GetSchedule());
    figures["buildPhasePercentage"] = document.GetBuildPhasePercentage();
    figures["applicationType"] = type ? type->Name() : std::string();
    figures["productivityIndex"] = type ? NumberJson(type->Productivity().Index()) : Json(nullptr);
    figures["productivityMeasure"] =
        type ? NumberJson(type->Productivity().Measure()) : Json(nullptr);
    figures["mainBuildPhaseTime"] = RangeJson(document.MainBuildPhaseTimeRange());
    figures["mbi"] = RangeJson(mbi);
    figures["mbiLevel"] = Json{{"value", MbiLevelText(mbi.value)},
                               {"low", MbiLevelText(mbi.low)},
                               {"high", MbiLevelText(mbi.high)}};
    PutnamEstimate own = document.OwnEstimate();
    figures["buildupLevel"] = document.GetBuildupLevel();
    figures["ownEstimate"] = Json{{"mainBuildPhaseTime", NumberJson(own.BuildMonths())},
                                  {"lifeCycleEffort", NumberJson(own.LifeCycleEffortMonths())},
                                  {"mainBuildEffort", NumberJson(own.MainBuildEffortMonths())},
                                  {"peakStaff", NumberJson(own.PeakStaff())}};
    figures["minimumMainBuildPhaseTime"] = NumberJson(document.MinimumMainBuildMonths());
    figures["scheduleFit"] = std::string(ScheduleFitToken(document.PlannedScheduleFit()));
    figures["planMainBuildPhaseTime"] = NumberJson(document.PlanBuildMonths());
    figures["plan"] = RayleighPlanJson(document);
    if (document.GetCostRate().IsPriced()) {
        figures["cost"] = CostJson(document.GetCostRate(),
                                   {{"lifeCycleEffort", document.LifeCycleEffortMonthsRange()},
                                    {"mainBuildEffort", document.MainBuildEffortMonthsRange()}});
    }
    return figures;
}

}  // namespace korval
