#include "functionpoint/FpSensitivity.h"

#include "framework/TextUtil.h"

namespace korval {

namespace {
constexpr std::string_view kTokens[] = {"DETAILS", "INTERM_TOT", "UNADJ_FP", "ADJ_FP"};
}

std::string_view FpSensitivityTypeToken(SensitivityType type) {
    int number = static_cast<int>(type);
    return (number >= 0 && number <= 3) ? kTokens[number] : std::string_view("UNKNOWN");
}

std::optional<SensitivityType> ParseFpSensitivityType(std::string_view token) {
    for (int type = 0; type <= 3; ++type) {
        if (EqualsNoCase(token, kTokens[type])) return static_cast<SensitivityType>(type);
    }
    return std::nullopt;
}

SensitivityType FpSensitivityTypeFromInt(int type) {
    return (type >= 0 && type <= 3) ? static_cast<SensitivityType>(type) : SensitivityType::ADJ_FP;
}

}  // namespace korval
