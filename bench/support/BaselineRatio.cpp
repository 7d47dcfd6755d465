#include "bench/support/BaselineRatio.h"

#include <chrono>

namespace korval::bench {

void CompareWithBaseline(benchmark::State& state, double goal, const TimedRun& baseline,
                         const TimedRun& subject) {
    double baselineTotal = 0;
    double subjectTotal = 0;
    bool baselineFirst = true;
    for (auto _ : state) {
        double first = baselineFirst ? baseline() : subject();
        double second = baselineFirst ? subject() : baseline();
        double baselineTime = baselineFirst ? first : second;
        double subjectTime = baselineFirst ? second : first;
        if (baselineTime < 0 || subjectTime < 0) {
            state.SkipWithError(baselineTime < 0 ? "the baseline failed" : "the subject failed");
            return;
        }
        baselineTotal += baselineTime;
        subjectTotal += subjectTime;
        state.SetIterationTime(subjectTime);
        baselineFirst = !baselineFirst;
    }
    if (baselineTotal <= 0) return;
    state.counters["baseline_ms"] =
        benchmark::Counter(baselineTotal * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = subjectTotal / baselineTotal;
    state.counters["goal"] = goal;
}

double SecondsOf(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace korval::bench
