#include "calibration/Calibration.h"

#include "calibration/cHistoryReader.h"

namespace korval {

Calibration Calibrate(History history, const CalibrationBaseline& baseline) {
    Calibration calibration;
    calibration.profilePath = baseline.profilePath;
    calibration.cocomo = CalibrateCocomo(history, baseline.modes);
    calibration.putnam =
        CalibratePutnam(history, baseline.applicationTypes, baseline.buildPercentage);
    calibration.functionPoints = CalibrateFunctionPoints(history, baseline.languages);
    calibration.history = std::move(history);
    return calibration;
}

Calibration CalibrateFromFile(const std::string& historyPath, const CalibrationBaseline& baseline) {
    cHistoryReader reader(baseline.vocabulary);
    return Calibrate(reader.ReadFile(historyPath), baseline);
}

}  // namespace korval
