#pragma once

#include "calibration/Calibration.h"
#include "cli/FiguresJson.h"

namespace korval {

// The calibration as "korval-cli calibrate --format json" prints it: the history's counts
// and problems, each fit with its project count and notes, and the accuracy table.
Json CalibrationJson(const Calibration& calibration);

}  // namespace korval
