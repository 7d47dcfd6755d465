#include "cli/CalibrationJson.h"

#include "framework/TextUtil.h"

namespace korval {

namespace {

template <typename T>
Json OptionalJson(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json AccuracyJson(const Accuracy& accuracy) {
    Json out;
    out["projects"] = accuracy.projects;
    bool any = accuracy.projects > 0;
    out["mmre"] = any ? NumberJson(accuracy.mmre) : Json(nullptr);
    out["medianMre"] = any ? NumberJson(accuracy.medianMre) : Json(nullptr);
    out["pred25"] = any ? NumberJson(accuracy.pred25) : Json(nullptr);
    out["meanBias"] = any ? NumberJson(accuracy.meanBias) : Json(nullptr);
    return out;
}

Json ModelAccuracyJson(const ModelAccuracy& accuracy) {
    return {{"profile", AccuracyJson(accuracy.current)},
            {"calibrated", AccuracyJson(accuracy.calibrated)},
            {"leaveOneOut", AccuracyJson(accuracy.leaveOneOut)}};
}

Json HistoryJson(const History& history) {
    Json problems = Json::array();
    for (const HistoryProblem& problem : history.problems) {
        problems.push_back(
            {{"line", problem.line}, {"column", problem.column}, {"reason", problem.reason}});
    }
    return {{"path", history.path},
            {"projects", history.projects.size()},
            {"unusableRows", history.problemCount},
            {"problems", problems}};
}

Json CocomoJson(const CocomoCalibration& cocomo) {
    Json modes = Json::array();
    for (const CocomoModeFit& fit : cocomo.modes) {
        modes.push_back({{"mode", ToLowerAscii(ModeFitLabel(fit))},
                         {"projects", fit.projects},
                         {"profile", {{"a", fit.current.a}, {"b", fit.current.b}}},
                         {"aWithFixedB", OptionalJson(fit.aWithFixedB)},
                         {"aTogether", OptionalJson(fit.aTogether)},
                         {"bTogether", OptionalJson(fit.bTogether)},
                         {"calibrated", {{"a", fit.calibrated.a}, {"b", fit.calibrated.b}}},
                         {"notes", fit.notes}});
    }
    return {{"modes", modes}, {"accuracy", ModelAccuracyJson(cocomo.accuracy)}};
}

Json PutnamJson(const PutnamCalibration& putnam) {
    Json types = Json::array();
    for (const ApplicationTypeFit& fit : putnam.types) {
        types.push_back({{"name", fit.name},
                         {"inProfile", fit.inProfile},
                         {"projects", fit.projects},
                         {"profileIndex", OptionalJson(fit.currentIndex)},
                         {"meanIndex", NumberJson(fit.meanIndex)},
                         {"deviation", NumberJson(fit.deviation)},
                         {"fittedIndex", OptionalJson(fit.fittedIndex)},
                         {"fittedMeasure", OptionalJson(fit.fittedMeasure)},
                         {"fittedDeviation", OptionalJson(fit.fittedDeviation)},
                         {"fittedBuildupLevel", OptionalJson(fit.fittedBuildupLevel)},
                         {"notes", fit.notes}});
    }
    return {{"buildPercentage", putnam.buildPercentage},
            {"applicationTypes", types},
            {"accuracy", ModelAccuracyJson(putnam.accuracy)}};
}

Json FunctionPointJson(const FunctionPointCalibration& fp) {
    Json languages = Json::array();
    for (const LanguageFit& fit : fp.languages) {
        languages.push_back({{"name", fit.name},
                             {"inProfile", fit.inProfile},
                             {"projects", fit.projects},
                             {"profile", OptionalJson(fit.current)},
                             {"median", NumberJson(fit.median)},
                             {"fitted", OptionalJson(fit.fitted)},
                             {"notes", fit.notes}});
    }
    return {{"languages", languages}};
}

}  // namespace

Json CalibrationJson(const Calibration& calibration) {
    Json out;
    out["profile"] = calibration.profilePath;
    out["history"] = HistoryJson(calibration.history);
    out["cocomo"] = CocomoJson(calibration.cocomo);
    out["putnam"] = PutnamJson(calibration.putnam);
    out["functionPoints"] = FunctionPointJson(calibration.functionPoints);
    return out;
}

}  // namespace korval
