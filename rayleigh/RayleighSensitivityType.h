#pragma once

#include <string>
#include <string_view>

namespace korval {

// Which Rayleigh input varies for the low and high figures. The numbers are the radio
// buttons' order in the Sensitivity Adjustments dialog.
enum class RayleighSensitivityType {
    Sloc = 0,
    Schedule = 1,
    Measure = 2,
    Index = 3,
    // The SLOC and TDEV ranges a project hands down from its other models.
    ProjectRanges = 4,
};

bool IsRayleighSensitivityType(RayleighSensitivityType type);
// Name printed in the report ("Source Lines of Code (SLOC)", ...).
std::string RayleighSensitivityTypeName(RayleighSensitivityType type);
// The model file's token: "SLOC" (also for project ranges, which are not stored), "SCHD",
// "PM" or "PI".
std::string RayleighSensitivityFileToken(RayleighSensitivityType type);
// Case-insensitive; anything unknown (or empty) is the SLOC type.
RayleighSensitivityType ParseRayleighSensitivityFileToken(std::string_view token);

}  // namespace korval
