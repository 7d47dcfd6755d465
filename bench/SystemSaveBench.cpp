// Saving a system should cost in proportion to its members, like opening it: with 20,000
// members, BM_SaveSystem should take at most three times BM_OpenSystem (it takes far less).
// KORVAL_BENCH_MEMBERS=100000 adds a system of that many members.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "bench/support/GeneratedSystem.h"
#include "cli/cCliPlatform.h"
#include "framework/cProfileStore.h"
#include "system/cSystemDoc.h"

namespace {

using korval::bench::SystemOf;

std::ostringstream discard;
korval::cCliPlatform platform(discard);

korval::cAppContext& Context() {
    static korval::cAppContext context{platform, korval::bench::BenchProfilePath()};
    return context;
}

void SystemSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(5000)->Arg(20000);
    if (const char* members = std::getenv("KORVAL_BENCH_MEMBERS"))
        benchmark->Arg(std::atoi(members));
    benchmark->Unit(benchmark::kMillisecond)->Iterations(3);
}

std::unique_ptr<korval::cSystemDoc> OpenedSystem(const std::string& path) {
    auto document = std::make_unique<korval::cSystemDoc>(Context());
    document->SetPathName(path);
    document->LoadModel(path);
    return document;
}

void BM_OpenSystem(benchmark::State& state) {
    const std::string& path = SystemOf(static_cast<int>(state.range(0))).systemPath;
    korval::cProfileStore::Instance().Clear();
    for (auto _ : state) {
        std::unique_ptr<korval::cSystemDoc> document = OpenedSystem(path);
        // Closing the document is not part of opening it.
        state.PauseTiming();
        document.reset();
        korval::cProfileStore::Instance().Clear();  // as a freshly started program finds it
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSystem)->Apply(SystemSizes);

void BM_SaveSystem(benchmark::State& state) {
    const std::string& path = SystemOf(static_cast<int>(state.range(0))).systemPath;
    std::unique_ptr<korval::cSystemDoc> document = OpenedSystem(path);
    for (auto _ : state) {
        document->SetModifiedFlag();
        if (!document->SaveToFile()) state.SkipWithError("the system could not be saved");
    }
}
BENCHMARK(BM_SaveSystem)->Apply(SystemSizes);

}  // namespace
