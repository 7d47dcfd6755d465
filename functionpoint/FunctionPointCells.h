#pragma once

#include <string>
#include <string_view>

#include "framework/ProfileKey.h"

// The fixed layout of a function point count: five function types in three complexities
// (15 cells) and fourteen general system characteristics. Every loop, file section and
// dialog walks them in this order.
namespace korval {

enum FunctionType {
    kExternalInput,
    kExternalOutput,
    kInternalLogicalFile,
    kExternalInterfaceFile,
    kExternalInquiry,
    kFunctionTypeCount
};

enum FunctionComplexity {
    kLowComplexity,
    kAverageComplexity,
    kHighComplexity,
    kFunctionComplexityCount
};

inline constexpr int kFunctionCellCount =
    static_cast<int>(kFunctionTypeCount) * static_cast<int>(kFunctionComplexityCount);
inline constexpr int kSystemCharacteristicCount = 14;

constexpr int FunctionCellIndex(FunctionType type, FunctionComplexity complexity) {
    return static_cast<int>(type) * kFunctionComplexityCount + static_cast<int>(complexity);
}
constexpr FunctionType FunctionTypeOfCell(int cell) {
    return static_cast<FunctionType>(cell / kFunctionComplexityCount);
}
constexpr FunctionComplexity ComplexityOfFunctionCell(int cell) {
    return static_cast<FunctionComplexity>(cell % kFunctionComplexityCount);
}

// "External Input", "External Output", "Internal Logical File", ...
std::string_view FunctionTypeLabel(FunctionType type);
// "Low", "Average", "High": how dialogs and reports name the complexities.
std::string_view FunctionComplexityLabel(FunctionComplexity complexity);
// "External_Input_Simple_Mult": the weight key of [FunctionCounts] (and the cell
// percentage key of [FP_Sensitivity_Analysis]).
ProfileKey FunctionWeightKey(int cell);
// "External_Input_Simple_Value": the count key of [FunctionCounts].
ProfileKey FunctionCountKey(int cell);
// "External_Input_Total_Mult": the type percentage key of [FP_Sensitivity_Analysis].
std::string FunctionTypeTotalKey(FunctionType type);
// The built-in weight of a cell, used when the defaults profile has none.
int BuiltInFunctionWeight(int cell);

// "Data_Communications", ...: the keys of [ProcessingComplexity].
std::string_view SystemCharacteristicKey(int characteristic);
// "Data Communications:", ...: the row labels of the Value Adjustment Factor dialog.
std::string_view SystemCharacteristicLabel(int characteristic);

}  // namespace korval
