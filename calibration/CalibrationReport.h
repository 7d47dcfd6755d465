#pragma once

#include <string>

#include "calibration/Calibration.h"
#include "framework/cReportLayout.h"
#include "framework/cReportSurface.h"

namespace korval {

// The calibration report: what was read of the history and what could not be used, each
// model's fits with the projects they came from and why a fit is missing, and the accuracy
// of the profile in use against the calibrated one, in-sample and leave-one-out. Laid out
// once as every report is, so the screen, paper, PDF and the command line show one layout.
cReportLayout LayOutCalibrationReport(const Calibration& calibration, cReportSurface& surface);

// The report on the command line's character grid.
std::string CalibrationReportText(const Calibration& calibration);

inline constexpr const char* kCalibrationReportTitle = "Calibration Report";

}  // namespace korval
