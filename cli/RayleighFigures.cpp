#include "cli/FiguresJson.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/RayleighSensitivityType.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

// The file's token, except that the project ranges (never stored) have their own name.
std::string SensitivityToken(int type) {
    return type == kRayleighProjectRangesSensitivity ? "PROJECT"
                                                     : RayleighSensitivityFileToken(type);
}

}  // namespace

Json RayleighFigures(cRayleighDoc& document) {
    const cApplicationType* type = document.SelectedApplicationType();
    double buildLow = 0.0;
    double buildHigh = 0.0;
    double build = document.MainBuildPhaseTime(buildLow, buildHigh);
    double mbiLow = 0.0;
    double mbiHigh = 0.0;
    double mbi = document.ManpowerBuildupIndex(mbiLow, mbiHigh);
    Json figures;
    figures["sensitivityType"] = SensitivityToken(document.GetSensitivityType());
    figures["sloc"] = NumberJson(document.GetSourceLines());
    figures["tdev"] = NumberJson(document.GetSchedule());
    figures["buildPhasePercentage"] = document.GetBuildPhasePercentage();
    figures["applicationType"] = type ? type->Name() : std::string();
    figures["productivityIndex"] = type ? NumberJson(type->Productivity().Index()) : Json(nullptr);
    figures["productivityMeasure"] =
        type ? NumberJson(type->Productivity().Measure()) : Json(nullptr);
    figures["mainBuildPhaseTime"] = RangeJson(build, buildLow, buildHigh);
    figures["mbi"] = RangeJson(mbi, mbiLow, mbiHigh);
    figures["mbiLevel"] = Json{{"value", MbiLevelText(mbi)},
                               {"low", MbiLevelText(mbiLow)},
                               {"high", MbiLevelText(mbiHigh)}};
    return figures;
}

}  // namespace korval
