#include "simulation/TrialRunner.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

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
    std::atomic<std::int64_t> nextBlock{0};
    std::atomic<bool> stopped{false};
    auto work = [&] {
        for (;;) {
            if (control && control->cancel.load()) {
                stopped = true;
                return;
            }
            std::int64_t first = nextBlock.fetch_add(kBlockTrials);
            if (first >= count) return;
            std::int64_t last = std::min(first + kBlockTrials, count);
            runBlock(first, last);
            if (control) control->completedTrials += last - first;
        }
    };
    std::int64_t blocks = (count + kBlockTrials - 1) / kBlockTrials;
    unsigned workers = static_cast<unsigned>(
        std::clamp<std::int64_t>(threads == 0 ? DefaultSimulationThreads() : threads, 1, blocks));
    {
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < workers; ++i) helpers.emplace_back(work);
        work();
    }
    return !stopped;
}

}  // namespace korval
