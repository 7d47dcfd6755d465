#pragma once

#include <string>
#include <vector>

#include "calibration/Calibration.h"

namespace korval {

// One fitted value the user may take into a calibrated profile: a mode's equation
// constants, an application type's PI and deviation or a language's SLOC per function
// point. Only fits that gave a value are items.
struct CalibrationItem {
    enum class Kind { ModeConstants, ApplicationType, Language };

    Kind kind = Kind::ModeConstants;
    std::size_t fit = 0;  // index into that kind's list of fits
    std::string label;    // "Organic: a = 3.417, b = 1.050 (was 3.2, 1.05)"
    bool applied = true;
};

// Every fitted value, ticked where it estimates its projects better than the profile in
// leave-one-out (the label says why one is not); an exponent from a narrow size range says so.
std::vector<CalibrationItem> CalibrationItems(const Calibration& calibration);

struct ProfileWriteOutcome {
    bool ok = false;
    std::string message;  // what was written, or why nothing was
};

// A copy of the profile the calibration started from with the applied items' values in
// place of the profile's (a type or language the profile lacks is added at the end of its
// table), written atomically to a new file; every other byte is the profile's. The
// profile itself is never written.
ProfileWriteOutcome WriteCalibratedProfile(const Calibration& calibration,
                                           const std::vector<CalibrationItem>& items,
                                           const std::string& outputPath);

}  // namespace korval
