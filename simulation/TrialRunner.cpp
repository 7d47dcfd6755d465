#include "simulation/TrialRunner.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "framework/cHelperPool.h"

namespace korval {

namespace {
constexpr std::int64_t kBlockTrials = 128;
}  // namespace

unsigned DefaultSimulationThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

bool RunTrialBlocks(std::int64_t count, unsigned threads,
                    const std::function<void(std::int64_t, std::int64_t)>& runBlock,
                    SimulationControl* control) {
    if (count <= 0) return true;
    std::atomic<bool> stopped{false};
    // After a cancel the blocks left are skipped, not run.
    std::function<void(std::int64_t)> runBlockAt = [&](std::int64_t block) {
        if (control && control->cancel.load()) {
            stopped = true;
            return;
        }
        std::int64_t first = block * kBlockTrials;
        std::int64_t last = std::min(first + kBlockTrials, count);
        runBlock(first, last);
        if (control) control->completedTrials += last - first;
    };
    std::int64_t blocks = (count + kBlockTrials - 1) / kBlockTrials;
    unsigned workers = threads == 0 ? DefaultSimulationThreads() : threads;
    cHelperPool::Shared().Run(blocks, workers - 1, runBlockAt);
    return !stopped;
}

}  // namespace korval
