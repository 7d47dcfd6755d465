#include "simulation/CalculatorOutputs.h"

#include "simulation/Simulate.h"
#include "simulation/SimulationReport.h"
#include "simulation/cSimulationCache.h"

namespace korval {

namespace {

SimulatedOutputs ReadyOutputs(const SimulationResults& results,
                              const std::vector<std::string>& keys) {
    SimulatedOutputs answer;
    answer.status = results.cancelled || results.outputs.empty()
                        ? SimulatedOutputs::Status::Cancelled
                        : SimulatedOutputs::Status::Ready;
    answer.progress = 1;
    for (const std::string& key : keys) {
        const OutputSummary* output = results.Find(key);
        answer.sorted.push_back(output ? output->sorted : std::vector<double>{});
    }
    return answer;
}

}  // namespace

SimulatedOutputs CachedCalculatorOutputs(const cModelDoc& document,
                                         const std::vector<std::string>& keys,
                                         cSimulationCache& cache,
                                         const std::function<double(const cModelDoc&)>& startRun) {
    if (!HasUncertainty(document)) return {SimulatedOutputs::Status::NotUncertain, 0, {}};
    if (const SimulationResults* results = cache.Current(document))
        return ReadyOutputs(*results, keys);
    double progress = startRun(document);
    if (const SimulationResults* results = cache.Current(document))
        return ReadyOutputs(*results, keys);
    return {SimulatedOutputs::Status::Running, progress, {}};
}

SimulatedOutputs ProgramCalculatorOutputs(const cModelDoc& document,
                                          const std::vector<std::string>& keys) {
    cSimulationCache& cache = ProgramSimulationCache();
    return CachedCalculatorOutputs(document, keys, cache, [&cache](const cModelDoc& pending) {
        cache.Get(pending, [&pending] { return Simulate(pending); });
        return 1.0;
    });
}

}  // namespace korval
