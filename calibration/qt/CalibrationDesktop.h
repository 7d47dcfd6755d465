#pragma once

namespace korval {

// The calibration's form and Tools, Calibrate from History, registered by the desktop's
// start-up.
void RegisterCalibrationDesktop();

}  // namespace korval
