// The what-if calculators' Solve for probability: one simulation of a COCOMO model with
// 10,000 trials, then 99 probabilities solved from its cached results, against the same run
// with one probability. Every probability after the first reads the cache, so the ratio
// should stay near 1 (goal 1.1).
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bench/support/BaselineRatio.h"
#include "cli/cCliPlatform.h"
#include "cocomo/cCocomoDoc.h"
#include "framework/cAppContext.h"
#include "framework/cProbabilitySolve.h"
#include "simulation/CalculatorOutputs.h"
#include "simulation/Simulate.h"
#include "simulation/cSimulationCache.h"

namespace {

using korval::bench::CompareWithBaseline;
using korval::bench::SecondsOf;

std::ostringstream discard;
korval::cCliPlatform platform(discard);

korval::cAppContext& Context() {
    static korval::cAppContext context{platform, KORVAL_BENCH_PROFILE};
    return context;
}

// Runs the model's trials afresh (a new cache), then solves for each probability.
double Solved(const korval::cModelDoc& document, int probabilities) {
    return SecondsOf([&] {
        korval::cSimulationCache cache;
        korval::cProbabilitySolve solve(
            platform, {{"adjustedEffort", "", 0}, {"timeToDevelop", "", 0}},
            [&](const std::vector<std::string>& keys) {
                return korval::CachedCalculatorOutputs(
                    document, keys, cache, [&cache](const korval::cModelDoc& pending) {
                        cache.Get(pending, [&pending] { return korval::Simulate(pending); });
                        return 1.0;
                    });
            });
        for (int percent = 1; percent <= probabilities; ++percent) {
            solve.SetPercentText(std::to_string(percent));
            solve.OnSolve();
            benchmark::DoNotOptimize(solve.GetValue(0));
        }
    });
}

void BM_NinetyNineProbabilitiesAgainstOne(benchmark::State& state) {
    korval::cCocomoDoc document(Context());
    if (!document.LoadModel(std::string(KORVAL_BENCH_EXAMPLES) + "/flight-management.CCM")) {
        state.SkipWithError("the example cannot be opened");
        return;
    }
    CompareWithBaseline(
        state, 1.1, [&] { return Solved(document, 1); }, [&] { return Solved(document, 99); });
}
BENCHMARK(BM_NinetyNineProbabilitiesAgainstOne)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
