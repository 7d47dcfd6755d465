#pragma once

#include <optional>
#include <string>

#include "framework/UncertaintyInputs.h"

namespace korval {

// The lowest and the highest total degree of influence (0..70) of the general system
// characteristics; the count's own total is the most likely one.
struct InfluenceRange {
    double lowest = 0;
    double highest = 0;

    bool operator==(const InfluenceRange&) const = default;
};

// What a function point count is unsure of: the unadjusted function points and the value
// adjustment.
struct FunctionPointUncertainty {
    SimulationSettings run;
    std::optional<ThreePointEstimate> unadjustedFunctionPoints;
    std::optional<InfluenceRange> totalDegreeOfInfluence;

    bool operator==(const FunctionPointUncertainty&) const = default;
    bool IsNone() const;
};

inline constexpr const char* kFunctionPointUncertaintySection = "Function_Point_Uncertainty";
inline constexpr double kMaxTotalDegreeOfInfluence = 70;

// Why the range cannot be used; empty when 0 <= lowest <= highest <= 70.
std::string InfluenceRangeProblem(const InfluenceRange& range);

FunctionPointUncertainty ReadFunctionPointUncertainty(const std::string& path);
[[nodiscard]] bool WriteFunctionPointUncertainty(const FunctionPointUncertainty& uncertainty,
                                                 const std::string& path);

}  // namespace korval
