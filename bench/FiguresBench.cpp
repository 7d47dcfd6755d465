// korval-cli figures as a user runs it, against what it cannot do without:
// - on a system, reading and parsing every file it reads (members, system file, defaults
//   profile) once with Korval's own INI reader (goal 1.2x), and a lean parse of them (views
//   into the bytes, one flat index; goal 2x);
// - on one small model file, a C++ hello world (goal 4x: no Qt library is loaded).
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/support/BaselineRatio.h"
#include "bench/support/BenchPrograms.h"
#include "bench/support/ChildProcess.h"
#include "bench/support/GeneratedSystem.h"
#include "bench/support/LeanIniIndex.h"
#include "framework/cIniFile.h"

namespace {

using namespace korval::bench;

ChildRun Figures(const std::string& file) {
    return RunChild({CliProgram(), "figures", file}, KorvalEnvironment(),
                    ScratchFile("figures.json"));
}

double FiguresSeconds(const std::string& file) {
    ChildRun run = Figures(file);
    return run.exitStatus == 0 ? run.seconds : -1;
}

// Every file korval-cli figures reads on a system: the member projects (each holds its
// three models; nothing else is linked from them), the system file and the defaults
// profile. The baselines read the same bytes.
std::vector<std::string> FilesFiguresReads(const GeneratedSystem& system) {
    std::vector<std::string> files = system.memberPaths;
    files.push_back(system.systemPath);
    files.push_back(BenchProfilePath());
    return files;
}

void BM_FiguresAgainstIniParse(benchmark::State& state) {
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    std::vector<std::string> files = FilesFiguresReads(system);
    auto parseMembers = [&] {
        return SecondsOf([&] {
            for (const std::string& path : files) {
                std::ifstream in(path, std::ios::binary);
                std::ostringstream buffer;
                buffer << in.rdbuf();
                benchmark::DoNotOptimize(korval::cIniFile::Parse(buffer.str()));
            }
        });
    };
    CompareWithBaseline(state, 1.2, parseMembers,
                        [&] { return FiguresSeconds(system.systemPath); });
}
BENCHMARK(BM_FiguresAgainstIniParse)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_FiguresAgainstLeanParse(benchmark::State& state) {
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    std::vector<std::string> files = FilesFiguresReads(system);
    auto leanParse = [&] {
        return SecondsOf([&] {
            for (const std::string& path : files)
                benchmark::DoNotOptimize(LeanIniIndex::Read(path));
        });
    };
    CompareWithBaseline(state, 2.0, leanParse, [&] { return FiguresSeconds(system.systemPath); });
}
BENCHMARK(BM_FiguresAgainstLeanParse)
    ->Arg(1000)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_FiguresOfOneModelAgainstHelloWorld(benchmark::State& state) {
    auto hello = [] {
        ChildRun run = RunChild({HelloWorldProgram()});
        return run.exitStatus == 0 ? run.seconds : -1;
    };
    CompareWithBaseline(state, 4.0, hello, [] { return FiguresSeconds(SmallModelFile()); });
}
BENCHMARK(BM_FiguresOfOneModelAgainstHelloWorld)
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
