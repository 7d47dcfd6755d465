#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/UncertaintyInputs.h"

namespace korval {

// What a COCOMO model is unsure of: its size, the ratings of some cost drivers and the
// model's own error (a log-normal factor with median 1 and this spread of its logarithm).
struct CocomoUncertainty {
    SimulationSettings run;
    std::optional<ThreePointEstimate> size;
    // One entry per cost driver of the model, in its order (ratings kVeryLow..kExtraHigh;
    // every defined rating between the two is equally likely); none for a certain rating.
    std::vector<std::optional<RatingRange>> driverRanges;
    double modelErrorSpread = 0;

    bool operator==(const CocomoUncertainty&) const = default;
    // No input is uncertain and the run is the default one.
    bool IsNone() const;
};

inline constexpr const char* kCocomoUncertaintySection = "COCOMO_Uncertainty";
// The largest spread of the model error's logarithm (a factor of e^2 either way).
inline constexpr double kMaxModelErrorSpread = 2.0;

// Every value that cannot be read counts as certain; ranges of drivers beyond driverCount
// are dropped.
CocomoUncertainty ReadCocomoUncertainty(const std::string& path, std::size_t driverCount);
// Writes nothing for settings of no uncertainty into a file that has no such section.
[[nodiscard]] bool WriteCocomoUncertainty(const CocomoUncertainty& uncertainty,
                                          const std::string& path);

}  // namespace korval
