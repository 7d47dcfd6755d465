#pragma once

#include <string>
#include <string_view>

namespace korval {

// Which Rayleigh input varies for the low and high figures.
enum RayleighSensitivityType {
    kRayleighSlocSensitivity = 0,
    kRayleighScheduleSensitivity = 1,
    kRayleighMeasureSensitivity = 2,
    kRayleighIndexSensitivity = 3,
    // The SLOC and TDEV ranges a project hands down from its other models.
    kRayleighProjectRangesSensitivity = 4,
};

bool IsRayleighSensitivityType(int type);
// Name printed in the report ("Source Lines of Code (SLOC)", ...).
std::string RayleighSensitivityTypeName(int type);
// The model file's token: "SLOC" (also for project ranges, which are not stored), "SCHD",
// "PM" or "PI".
std::string RayleighSensitivityFileToken(int type);
// Case-insensitive; anything unknown (or empty) is the SLOC type.
int ParseRayleighSensitivityFileToken(std::string_view token);

}  // namespace korval
