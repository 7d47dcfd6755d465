#include "rayleigh/RayleighSensitivityType.h"

#include "framework/TextUtil.h"

namespace korval {

bool IsRayleighSensitivityType(int type) {
    return type >= kRayleighSlocSensitivity && type <= kRayleighProjectRangesSensitivity;
}

std::string RayleighSensitivityTypeName(int type) {
    switch (type) {
        case kRayleighSlocSensitivity:
            return "Source Lines of Code (SLOC)";
        case kRayleighScheduleSensitivity:
            return "Time to Develop (TDEV)";
        case kRayleighIndexSensitivity:
            return "Productivity Index (PI)";
        case kRayleighProjectRangesSensitivity:
            return "Project SLOC and TDEV Ranges";
        default:
            return "Productivity Measure (PM)";
    }
}

std::string RayleighSensitivityFileToken(int type) {
    switch (type) {
        case kRayleighScheduleSensitivity:
            return "SCHD";
        case kRayleighMeasureSensitivity:
            return "PM";
        case kRayleighIndexSensitivity:
            return "PI";
        default:
            return "SLOC";
    }
}

int ParseRayleighSensitivityFileToken(std::string_view token) {
    if (EqualsNoCase(token, "SCHD")) return kRayleighScheduleSensitivity;
    if (EqualsNoCase(token, "PI")) return kRayleighIndexSensitivity;
    if (EqualsNoCase(token, "PM")) return kRayleighMeasureSensitivity;
    return kRayleighSlocSensitivity;
}

}  // namespace korval
