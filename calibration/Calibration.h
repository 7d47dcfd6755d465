#pragma once

#include "calibration/CalibrationBaseline.h"
#include "calibration/CocomoCalibration.h"
#include "calibration/FunctionPointCalibration.h"
#include "calibration/History.h"
#include "calibration/PutnamCalibration.h"

namespace korval {

// Everything one history gives: what was read of it and each model's fits and accuracy
// against the profile it was calibrated from.
struct Calibration {
    History history;
    std::string profilePath;
    CocomoCalibration cocomo;
    PutnamCalibration putnam;
    FunctionPointCalibration functionPoints;
};

Calibration Calibrate(History history, const CalibrationBaseline& baseline);
// Reads the history with the baseline's names and ratings and calibrates it.
Calibration CalibrateFromFile(const std::string& historyPath, const CalibrationBaseline& baseline);

}  // namespace korval
