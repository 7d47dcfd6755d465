#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "functionpoint/FunctionPointCells.h"

namespace korval {

// Which of the stored percentages give the function point ranges.
enum class SensitivityType { DETAILS = 0, INTERM_TOT = 1, UNADJ_FP = 2, ADJ_FP = 3 };

// The sensitivity settings of a function point model. Only the set that belongs to the
// type is used; the others stay stored and are saved unchanged.
struct FpSensitivitySettings {
    std::array<int, kFunctionCellCount> cellPercentages{};  // DETAILS, in cell order
    std::array<int, kFunctionTypeCount> typePercentages{};  // INTERM_TOT, in type order
    int unadjustedPercentage = 0;                           // UNADJ_FP
    int adjustedPercentage = 0;                             // ADJ_FP
    SensitivityType type = SensitivityType::ADJ_FP;

    bool operator==(const FpSensitivitySettings&) const = default;
};

// "DETAILS", "INTERM_TOT", "UNADJ_FP", "ADJ_FP"; "UNKNOWN" for any other number.
std::string_view FpSensitivityTypeToken(SensitivityType type);
// One of the four tokens in any letter case.
std::optional<SensitivityType> ParseFpSensitivityType(std::string_view token);
// A number outside 0..3 becomes ADJ_FP.
SensitivityType FpSensitivityTypeFromInt(int type);

}  // namespace korval
