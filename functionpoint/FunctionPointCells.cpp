#include "functionpoint/FunctionPointCells.h"

namespace korval {

namespace {

constexpr std::string_view kTypeLabels[kFunctionTypeCount] = {
    "External Input", "External Output", "Internal Logical File", "External Interface File",
    "External Inquiry"};
constexpr std::string_view kTypeKeyWords[kFunctionTypeCount] = {
    "External_Input", "External_Output", "Logical_Internal", "External_Interface",
    "External_Inquiry"};
constexpr std::string_view kComplexityLabels[kFunctionComplexityCount] = {"Low", "Average", "High"};
constexpr std::string_view kComplexityKeyWords[kFunctionComplexityCount] = {"Simple", "Average",
                                                                            "Complex"};
constexpr int kBuiltInWeights[kFunctionCellCount] = {3, 4,  6,   // External Input
                                                     4, 5,  7,   // External Output
                                                     7, 10, 15,  // Internal Logical File
                                                     5, 7,  10,  // External Interface File
                                                     3, 4,  6};  // External Inquiry

constexpr std::string_view kCharacteristicKeys[kSystemCharacteristicCount] = {
    "Data_Communications", "Distributed_Functions", "Performance",         "Heavily_Used_Config",
    "Transaction_Rate",    "Online_Data_Entry",     "End_User_Efficiency", "Online_Update",
    "Complex_Processing",  "Reusability",           "Installation_Ease",   "Operational_Ease",
    "Multiple_Sites",      "Facilitate_Change"};
// The dialog has always spelt the tenth row "Reuseability:"; files use "Reusability".
constexpr std::string_view kCharacteristicLabels[kSystemCharacteristicCount] = {
    "Data Communications:", "Distributed Functions:",
    "Performance:",         "Heavily Used Configuration:",
    "Transaction Rate:",    "Online Data Entry:",
    "End User Efficiency:", "Online Update:",
    "Complex Processing:",  "Reuseability:",
    "Installation Ease:",   "Operational Ease:",
    "Multiple Sites:",      "Facilitate Change:"};

ProfileKey CellKey(int cell, std::string_view suffix) {
    return ProfileKey(kTypeKeyWords[FunctionTypeOfCell(cell)])
        .Append("_")
        .Append(kComplexityKeyWords[ComplexityOfFunctionCell(cell)])
        .Append(suffix);
}

}  // namespace

std::string_view FunctionTypeLabel(FunctionType type) {
    return kTypeLabels[type];
}

std::string_view FunctionComplexityLabel(FunctionComplexity complexity) {
    return kComplexityLabels[complexity];
}

ProfileKey FunctionWeightKey(int cell) {
    return CellKey(cell, "_Mult");
}

ProfileKey FunctionCountKey(int cell) {
    return CellKey(cell, "_Value");
}

std::string FunctionTypeTotalKey(FunctionType type) {
    return std::string(kTypeKeyWords[type]) + "_Total_Mult";
}

int BuiltInFunctionWeight(int cell) {
    return kBuiltInWeights[cell];
}

std::string_view SystemCharacteristicKey(int characteristic) {
    return kCharacteristicKeys[characteristic];
}

std::string_view SystemCharacteristicLabel(int characteristic) {
    return kCharacteristicLabels[characteristic];
}

}  // namespace korval
