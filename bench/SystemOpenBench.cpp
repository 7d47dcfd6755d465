// Opening a system of many member projects and laying out its report should grow
// linearly with the members and cost at most about twice reading and parsing the member
// files once: compare BM_ParseMemberFiles with BM_OpenSystem and BM_OpenSystemAndReport.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/cCliPlatform.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/cDrawContext.h"
#include "framework/cIniFile.h"
#include "framework/cProfileStore.h"
#include "framework/cTextReportSurface.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "system/cSystemDoc.h"

namespace {

std::ostringstream discard;
korval::cCliPlatform platform(discard);

std::string ProfilePath() {
    const char* profile = std::getenv("KORVAL_PROFILE");
    return profile != nullptr ? profile : KORVAL_BENCH_PROFILE;
}

korval::cAppContext& Context() {
    static korval::cAppContext context{platform, ProfilePath()};
    return context;
}

struct GeneratedSystem {
    std::string systemPath;
    std::vector<std::string> memberPaths;
};

// Complete project files with varied sizes, and a system file listing them.
const GeneratedSystem& SystemOf(int members) {
    static std::map<int, GeneratedSystem> systems;
    auto found = systems.find(members);
    if (found != systems.end()) return found->second;
    std::string folder = "/tmp/korval-bench-system-" + std::to_string(::getpid()) + "-" + std::to_string(members);
    std::filesystem::create_directories(folder);
    GeneratedSystem generated;
    generated.systemPath = folder + "/system.sle";
    std::ofstream system(generated.systemPath, std::ios::binary);
    system << "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n[Projects]\r\n";
    for (int i = 0; i < members; ++i) {
        std::string path = folder + "/member" + std::to_string(i) + ".prj";
        korval::cProjectDoc project(Context());
        korval::cFunctionPointDoc& fp = project.FunctionPointModel();
        fp.SetCount(0, 10 + i % 50);
        fp.SetCount(4, 5 + i % 7);
        project.SetDescriptionTexts("Member " + std::to_string(i), "Benchmark", "Generated member project");
        project.SaveAs(path);
        generated.memberPaths.push_back(path);
        system << korval::IndexedKey("File_Name", i) << "=" << path << "\r\n";
        system << korval::IndexedKey("Start_Offset", i) << "=0.000000\r\n";
    }
    return systems.emplace(members, std::move(generated)).first->second;
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
BENCHMARK(BM_ParseMemberFiles)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void OpenSystem(benchmark::State& state, bool layOutReport) {
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    std::uint64_t parses = 0;
    for (auto _ : state) {
        korval::cProfileStore::Instance().Clear();
        std::uint64_t before = korval::cProfileStore::Instance().ParseCount();
        korval::cSystemDoc document(Context());
        document.LoadModel(system.systemPath);
        if (layOutReport) {
            korval::cTextReportSurface surface;
            korval::cDrawContext dc(surface);
            int y = 5;
            benchmark::DoNotOptimize(document.DrawReport(dc, y, 0));
        }
        parses += korval::cProfileStore::Instance().ParseCount() - before;
    }
    // Each member file is parsed once, plus the system file and the defaults profile.
    state.counters["parses_per_open"] =
        benchmark::Counter(static_cast<double>(parses), benchmark::Counter::kAvgIterations);
    state.SetComplexityN(state.range(0));
}

void BM_OpenSystem(benchmark::State& state) { OpenSystem(state, false); }
BENCHMARK(BM_OpenSystem)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_OpenSystemAndReport(benchmark::State& state) { OpenSystem(state, true); }
BENCHMARK(BM_OpenSystemAndReport)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
