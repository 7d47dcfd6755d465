// The desktop application as a user starts it, offscreen, from its start to the paint that
// is measured (KORVAL_EXIT_AFTER_PAINT: the program writes the moment of that paint, then
// quits; what it does after the paint is not part of the figure):
// - start to the first painted main window, against a bare Qt main window (goal 1.3x);
// - what Qt alone adds to that bare window once it measures its font, as any window showing
//   a word must (the same goal): the least a window with a menu bar pays; and the
//   application against that window;
// - start to the first painted report of a 1,000-member system, against korval-cli figures
//   on the same system (goal 1.1x): the view lays out the report once and paints only the
//   rows it shows.
#include <benchmark/benchmark.h>

#include <fstream>

#include "bench/support/BaselineRatio.h"
#include "bench/support/BenchPrograms.h"
#include "bench/support/ChildProcess.h"
#include "bench/support/GeneratedSystem.h"

namespace {

using namespace korval::bench;

double Seconds(const ChildRun& run) {
    return run.exitStatus == 0 ? run.seconds : -1;
}

// From the start of the program to the paint it reported ("painted at" and the monotonic
// clock in nanoseconds).
double SecondsToPaint(const std::vector<std::string>& argv, const std::string& waitFor) {
    std::vector<std::string> environment = KorvalEnvironment();
    environment.push_back("KORVAL_EXIT_AFTER_PAINT=" + waitFor);
    std::string output = ScratchFile("painted.txt");
    ChildRun run = RunChild(argv, environment, output);
    std::ifstream in(output);
    std::string painted;
    std::string at;
    long long paintedAt = 0;
    if (run.exitStatus != 0 || !(in >> painted >> at >> paintedAt)) return -1;
    return static_cast<double>(paintedAt - run.startedAt) / 1e9;
}

double RunDesktop(const std::string& waitFor, const std::vector<std::string>& files) {
    std::vector<std::string> argv = {DesktopProgram()};
    argv.insert(argv.end(), files.begin(), files.end());
    return SecondsToPaint(argv, waitFor);
}

// Whether the build has the desktop; the benchmark is skipped otherwise.
bool HasDesktop(benchmark::State& state) {
    if (!DesktopProgram().empty()) return true;
    state.SkipWithError("built without the desktop");
    return false;
}

double BareWindow() {
    return SecondsToPaint({BareWindowProgram()}, "window");
}

double WindowWithFont() {
    return SecondsToPaint({BareWindowProgram(), "--with-font"}, "window");
}

double DesktopWindow() {
    return RunDesktop("window", {});
}

void BM_StartAgainstBareWindow(benchmark::State& state) {
    if (HasDesktop(state)) CompareWithBaseline(state, 1.3, BareWindow, DesktopWindow);
}
BENCHMARK(BM_StartAgainstBareWindow)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_WindowWithFontAgainstBareWindow(benchmark::State& state) {
    if (HasDesktop(state)) CompareWithBaseline(state, 1.3, BareWindow, WindowWithFont);
}
BENCHMARK(BM_WindowWithFontAgainstBareWindow)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_StartAgainstWindowWithFont(benchmark::State& state) {
    if (HasDesktop(state)) CompareWithBaseline(state, 1.3, WindowWithFont, DesktopWindow);
}
BENCHMARK(BM_StartAgainstWindowWithFont)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_SystemPaintAgainstFigures(benchmark::State& state) {
    if (!HasDesktop(state)) return;
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    auto figures = [&] {
        return Seconds(RunChild({CliProgram(), "figures", system.systemPath}, KorvalEnvironment(),
                                ScratchFile("figures.json")));
    };
    CompareWithBaseline(state, 1.1, figures,
                        [&] { return RunDesktop("report", {system.systemPath}); });
}
BENCHMARK(BM_SystemPaintAgainstFigures)
    ->Arg(1000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
