#pragma once

#include <cstdint>
#include <functional>

#include "simulation/SimulationResults.h"

namespace korval {

// Runs trials 0..count-1 over the threads in blocks: runBlock(first, last) runs the trials
// first..last-1 and may run on any thread, in any order. False when the control cancelled
// the run before every block ran.
bool RunTrialBlocks(std::int64_t count, unsigned threads,
                    const std::function<void(std::int64_t, std::int64_t)>& runBlock,
                    SimulationControl* control);

// The threads a run uses when it is given 0: every core, at least one.
unsigned DefaultSimulationThreads();

}  // namespace korval
