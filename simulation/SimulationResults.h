#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/UncertaintyInputs.h"
#include "simulation/OutputSummary.h"

namespace korval {

// What a run may change from the document's settings: the command line's options.
struct SimulationRequest {
    std::optional<std::int64_t> trials;
    std::optional<std::uint64_t> seed;
    std::optional<double> targetEffort;
    std::optional<double> targetCost;
    std::optional<double> targetTime;
    // 0: every core the machine has.
    unsigned threads = 0;
};

// Lets another thread follow a run and stop it: the desktop's progress bar and Cancel.
struct SimulationControl {
    std::atomic<bool> cancel{false};
    std::atomic<std::int64_t> completedTrials{0};
};

struct SimulationResults {
    std::string kind;  // "cocomo", "functionPoint", "rayleigh", "project", "system"
    SimulationSettings run;
    // Whether any input of the document varies; without, every trial gives the figures.
    bool uncertain = false;
    bool cancelled = false;
    std::vector<OutputSummary> outputs;

    const OutputSummary* Find(std::string_view key) const;
};

}  // namespace korval
