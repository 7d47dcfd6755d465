// The printed pages of a system report as PDF should cost no more than one and a half
// times its text report at every size: laying the report out is linear in its rows, and
// each page draws only its own rows. Both run as a user runs korval-cli. The first PDF a
// user prints has the renderer measure the print font, which later ones use without it;
// one run before the timed ones does that, as a user's first report would.
#include <benchmark/benchmark.h>

#include "bench/support/BaselineRatio.h"
#include "bench/support/BenchPrograms.h"
#include "bench/support/ChildProcess.h"
#include "bench/support/GeneratedSystem.h"

namespace {

using namespace korval::bench;

constexpr double kGoal = 1.5;

double RunCli(const std::vector<std::string>& arguments, const std::string& output) {
    std::vector<std::string> argv = {CliProgram()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ChildRun run = RunChild(argv, KorvalEnvironment(), output);
    return run.exitStatus == 0 ? run.seconds : -1;
}

void BM_PdfAgainstTextReport(benchmark::State& state) {
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    std::string pdf = ScratchFile("report.pdf");
    RunCli({"report", system.systemPath, "--format", "pdf", "-o", pdf}, "/dev/null");
    CompareWithBaseline(
        state, kGoal,
        [&] {
            return RunCli({"report", system.systemPath}, ScratchFile("report.txt"));
        },
        [&] {
            return RunCli({"report", system.systemPath, "--format", "pdf", "-o", pdf}, "/dev/null");
        });
}
BENCHMARK(BM_PdfAgainstTextReport)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
