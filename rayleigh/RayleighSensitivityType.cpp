#include "rayleigh/RayleighSensitivityType.h"

#include "framework/TextUtil.h"

namespace korval {

bool IsRayleighSensitivityType(RayleighSensitivityType type) {
    int number = static_cast<int>(type);
    return number >= static_cast<int>(RayleighSensitivityType::Sloc) &&
           number <= static_cast<int>(RayleighSensitivityType::ProjectRanges);
}

std::string RayleighSensitivityTypeName(RayleighSensitivityType type) {
    switch (type) {
        case RayleighSensitivityType::Sloc:
            return "Source Lines of Code (SLOC)";
        case RayleighSensitivityType::Schedule:
            return "Time to Develop (TDEV)";
        case RayleighSensitivityType::Index:
            return "Productivity Index (PI)";
        case RayleighSensitivityType::ProjectRanges:
            return "Project SLOC and TDEV Ranges";
        default:
            return "Productivity Measure (PM)";
    }
}

std::string RayleighSensitivityFileToken(RayleighSensitivityType type) {
    switch (type) {
        case RayleighSensitivityType::Schedule:
            return "SCHD";
        case RayleighSensitivityType::Measure:
            return "PM";
        case RayleighSensitivityType::Index:
            return "PI";
        default:
            return "SLOC";
    }
}

RayleighSensitivityType ParseRayleighSensitivityFileToken(std::string_view token) {
    if (EqualsNoCase(token, "SCHD")) return RayleighSensitivityType::Schedule;
    if (EqualsNoCase(token, "PI")) return RayleighSensitivityType::Index;
    if (EqualsNoCase(token, "PM")) return RayleighSensitivityType::Measure;
    return RayleighSensitivityType::Sloc;
}

}  // namespace korval
