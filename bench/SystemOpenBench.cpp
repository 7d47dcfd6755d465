// Opening a system of many member projects and laying out its report should grow
// linearly with the members and cost at most about twice reading and parsing the member
// files once: compare BM_ParseMemberFiles with BM_OpenSystem and BM_OpenSystemAndReport.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "bench/support/GeneratedSystem.h"
#include "cli/cCliPlatform.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/cIniFile.h"
#include "framework/cProfileStore.h"
#include "framework/cTextReportSurface.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "system/cSystemDoc.h"

namespace {

using korval::bench::GeneratedSystem;
using korval::bench::SystemOf;

std::ostringstream discard;
korval::cCliPlatform platform(discard);

korval::cAppContext& Context() {
    static korval::cAppContext context{platform, korval::bench::BenchProfilePath()};
    return context;
}

void BM_ParseMemberFiles(benchmark::State& state) {
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const std::string& path : system.memberPaths) {
            std::ifstream in(path, std::ios::binary);
            std::ostringstream buffer;
            buffer << in.rdbuf();
            benchmark::DoNotOptimize(korval::cIniFile::Parse(buffer.str()));
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseMemberFiles)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void OpenSystem(benchmark::State& state, bool layOutReport) {
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    std::uint64_t parses = 0;
    korval::cProfileStore::Instance().Clear();  // as a freshly started program finds it
    for (auto _ : state) {
        std::uint64_t before = korval::cProfileStore::Instance().ParseCount();
        auto document = std::make_unique<korval::cSystemDoc>(Context());
        if (!document->LoadModel(system.systemPath)) {
            state.SkipWithError("the generated system could not be read");
            break;
        }
        if (layOutReport) {
            korval::cTextReportSurface surface;
            benchmark::DoNotOptimize(document->LayOutReport(surface));
        }
        parses += korval::cProfileStore::Instance().ParseCount() - before;
        // Closing the document is not part of opening it.
        state.PauseTiming();
        document.reset();
        korval::cProfileStore::Instance().Clear();
        state.ResumeTiming();
    }
    // Each member file is parsed once, plus the system file and the defaults profile.
    state.counters["parses_per_open"] =
        benchmark::Counter(static_cast<double>(parses), benchmark::Counter::kAvgIterations);
    state.SetComplexityN(state.range(0));
}

void BM_OpenSystem(benchmark::State& state) {
    OpenSystem(state, false);
}
BENCHMARK(BM_OpenSystem)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_OpenSystemAndReport(benchmark::State& state) {
    OpenSystem(state, true);
}
BENCHMARK(BM_OpenSystemAndReport)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
