#include "functionpoint/FunctionPointUncertainty.h"

#include "framework/ProfileAccess.h"

namespace korval {

namespace {
constexpr const char* kSection = kFunctionPointUncertaintySection;
}  // namespace

bool FunctionPointUncertainty::IsNone() const {
    return !unadjustedFunctionPoints && !totalDegreeOfInfluence && run == SimulationSettings{};
}

std::string InfluenceRangeProblem(const InfluenceRange& range) {
    if (!(range.lowest >= 0) || !(range.highest <= kMaxTotalDegreeOfInfluence))
        return "Total degree of influence: the values must lie between 0 and 70.";
    if (range.lowest > range.highest)
        return "Total degree of influence: the lowest value is above the highest one.";
    return {};
}

FunctionPointUncertainty ReadFunctionPointUncertainty(const std::string& path) {
    FunctionPointUncertainty uncertainty;
    uncertainty.run = ReadSimulationSettings(kSection, path);
    uncertainty.unadjustedFunctionPoints =
        ReadThreePoint(kSection, "UFP", path, kLargestFieldValue);
    std::optional<double> lowest = ReadNonNegative(kSection, "TDI_Lowest", path);
    std::optional<double> highest = ReadNonNegative(kSection, "TDI_Highest", path);
    if (lowest && highest) {
        InfluenceRange range{*lowest, *highest};
        if (InfluenceRangeProblem(range).empty()) uncertainty.totalDegreeOfInfluence = range;
    }
    return uncertainty;
}

bool WriteFunctionPointUncertainty(const FunctionPointUncertainty& uncertainty,
                                   const std::string& path) {
    if (uncertainty.IsNone() && !HasSimulationSection(kSection, path)) return true;
    const std::optional<InfluenceRange>& range = uncertainty.totalDegreeOfInfluence;
    return WriteSimulationSettings(kSection, uncertainty.run, path) &&
           WriteThreePoint(kSection, "UFP", uncertainty.unadjustedFunctionPoints, path) &&
           WriteOptionalNumber(kSection, "TDI_Lowest",
                               range ? std::optional<double>(range->lowest) : std::nullopt, path) &&
           WriteOptionalNumber(kSection, "TDI_Highest",
                               range ? std::optional<double>(range->highest) : std::nullopt, path);
}

}  // namespace korval
