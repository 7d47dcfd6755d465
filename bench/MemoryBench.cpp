// The peak memory of korval-cli figures on a 20,000-member system, per member: it should
// stay at or below 13 KB. A program of its own, so that nothing this process held before
// counts towards the child's peak.
#include <benchmark/benchmark.h>

#include "bench/support/BenchPrograms.h"
#include "bench/support/ChildProcess.h"
#include "bench/support/GeneratedSystem.h"

namespace {

using namespace korval::bench;

void BM_PeakMemoryPerMember(benchmark::State& state) {
    int members = static_cast<int>(state.range(0));
    const GeneratedSystem& system = SystemOf(members);
    long peak = 0;
    for (auto _ : state) {
        ChildRun run = RunChild({CliProgram(), "figures", system.systemPath}, KorvalEnvironment(),
                                ScratchFile("figures.json"));
        if (run.exitStatus != 0) {
            state.SkipWithError("korval-cli figures failed");
            return;
        }
        peak = std::max(peak, run.peakKilobytes);
        state.SetIterationTime(run.seconds);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
    state.counters["KB_per_member"] = static_cast<double>(peak) / members;
    state.counters["goal"] = 13;
}
BENCHMARK(BM_PeakMemoryPerMember)
    ->Arg(20000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
