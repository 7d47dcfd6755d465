#pragma once

#include <optional>
#include <string>

#include "framework/UncertaintyInputs.h"

namespace korval {

// What a Rayleigh model is unsure of: its size, its time to develop and, when asked, its
// productivity index, drawn from a normal distribution around the application type's index
// with the type's standard deviation.
struct RayleighUncertainty {
    SimulationSettings run;
    std::optional<ThreePointEstimate> size;
    std::optional<ThreePointEstimate> timeToDevelop;
    bool productivityVaries = false;

    bool operator==(const RayleighUncertainty&) const = default;
    bool IsNone() const;
};

inline constexpr const char* kRayleighUncertaintySection = "Rayleigh_Uncertainty";

RayleighUncertainty ReadRayleighUncertainty(const std::string& path);
[[nodiscard]] bool WriteRayleighUncertainty(const RayleighUncertainty& uncertainty,
                                            const std::string& path);

}  // namespace korval
