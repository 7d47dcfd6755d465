// The staffing block of a system's report (the members' timeline and the staffing summed
// over the cumulative schedule) should cost about as much again as one more table of the
// members: laying out a 1,000-member system's report with it against the same report
// without it, in one run.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "bench/support/BaselineRatio.h"
#include "bench/support/GeneratedSystem.h"
#include "cli/cCliPlatform.h"
#include "framework/cTextReportSurface.h"
#include "system/cSystemDoc.h"

namespace {

using korval::bench::CompareWithBaseline;
using korval::bench::SecondsOf;
using korval::bench::SystemOf;

std::ostringstream discard;
korval::cCliPlatform platform(discard);

korval::cAppContext& Context() {
    static korval::cAppContext context{platform, korval::bench::BenchProfilePath()};
    return context;
}

double LayOutSeconds(korval::cSystemDoc& system, korval::FilterState staffing) {
    system.SetFilter(korval::cModelDoc::kStaffingSwitch, staffing);
    return SecondsOf([&] {
        korval::cTextReportSurface surface;
        benchmark::DoNotOptimize(system.LayOutReport(surface));
    });
}

void BM_SystemReportWithStaffing(benchmark::State& state) {
    auto system = std::make_unique<korval::cSystemDoc>(Context());
    if (!system->LoadModel(SystemOf(static_cast<int>(state.range(0))).systemPath)) {
        state.SkipWithError("the generated system could not be read");
        return;
    }
    CompareWithBaseline(
        state, 1.6, [&] { return LayOutSeconds(*system, korval::FilterState::Off); },
        [&] { return LayOutSeconds(*system, korval::FilterState::On); });
}
BENCHMARK(BM_SystemReportWithStaffing)
    ->Arg(1000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_SystemPlan(benchmark::State& state) {
    auto system = std::make_unique<korval::cSystemDoc>(Context());
    if (!system->LoadModel(SystemOf(static_cast<int>(state.range(0))).systemPath)) {
        state.SkipWithError("the generated system could not be read");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(system->GetPlan());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SystemPlan)
    ->Arg(1000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
