// Calibrating from a history should cost a small constant times reading its lines: compare
// reading, checking and fitting histories of 10,000 to 1,000,000 projects with reading the
// same file line by line and cutting each line at its commas. The ratio staying put as the
// history grows shows the reading, the fits and leave-one-out are all linear (27 from 10,000
// to 1,000,000 projects when this was written: CSV parsing, UTF-8 checks, numbers and a
// project per row against a bare scan for commas).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "bench/support/BaselineRatio.h"
#include "calibration/Calibration.h"
#include "cli/cCliPlatform.h"
#include "framework/NumberText.h"
#include "framework/cAppContext.h"

namespace {

using korval::bench::CompareWithBaseline;
using korval::bench::SecondsOf;

// The generated histories, removed when the program ends.
struct HistoryFiles {
    std::map<int, std::string> paths;
    ~HistoryFiles() {
        for (const auto& [projects, path] : paths) std::remove(path.c_str());
    }
};

const std::string& HistoryFile(int projects) {
    static HistoryFiles generated;
    std::map<int, std::string>& files = generated.paths;
    auto found = files.find(projects);
    if (found != files.end()) return found->second;
    std::string path = "/tmp/korval-bench-history-" + std::to_string(::getpid()) + "-" +
                       std::to_string(projects) + ".csv";
    std::ofstream out(path, std::ios::binary);
    out << "name,ksloc,effort_pm,duration_months,mode,application_type,language,"
           "function_points,rely,cplx,acap\n";
    const char* modes[] = {"organic", "semidetached", "embedded"};
    const char* types[] = {"Business Systems", "Scientific", "Avionics", "Radar"};
    const char* languages[] = {"Java", "C", "C++", "COBOL (ANSI 85)"};
    for (int i = 0; i < projects; ++i) {
        double ksloc = 5 + (i % 97);
        double effort = 3 * std::pow(ksloc, 1.1) * (0.8 + 0.004 * (i % 101));
        out << "p" << i << "," << ksloc << "," << korval::FormatNumber("%.1f", effort) << ","
            << korval::FormatNumber("%.1f", 2.5 * std::pow(effort, 0.35)) << "," << modes[i % 3]
            << "," << types[i % 4] << "," << languages[i % 4] << "," << static_cast<int>(ksloc * 18)
            << ",High,Nominal,Low\n";
    }
    return files.emplace(projects, path).first->second;
}

double ReadLinesSeconds(const std::string& path) {
    return SecondsOf([&] {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        std::size_t cells = 0;
        while (std::getline(in, line)) {
            for (char c : line) cells += c == ',';
        }
        benchmark::DoNotOptimize(cells);
    });
}

void BM_CalibrateAgainstReadingLines(benchmark::State& state) {
    const std::string& path = HistoryFile(static_cast<int>(state.range(0)));
    std::ostringstream messages;
    korval::cCliPlatform platform(messages);
    korval::cAppContext context{platform, KORVAL_BENCH_PROFILE};
    korval::CalibrationBaseline baseline = korval::ReadCalibrationBaseline(context);
    CompareWithBaseline(
        state, 30.0, [&] { return ReadLinesSeconds(path); },
        [&] {
            return SecondsOf(
                [&] { benchmark::DoNotOptimize(korval::CalibrateFromFile(path, baseline)); });
        });
}
BENCHMARK(BM_CalibrateAgainstReadingLines)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
