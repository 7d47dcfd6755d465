// A system's charts (the Gantt chart of its members and the summed staffing) should add no
// more than a fifth to laying out its report without them, at every size: both grow
// linearly with the members. The document is opened once; each iteration lays the report
// out on a printed page's surface with the Charts switch on, and its baseline with it off.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "bench/support/BaselineRatio.h"
#include "bench/support/GeneratedSystem.h"
#include "cli/cCliPlatform.h"
#include "framework/cReportSurface.h"
#include "system/cSystemDoc.h"

namespace {

using namespace korval::bench;

constexpr double kGoal = 1.2;

// A letter page at 300 dots per inch that measures text by its characters and draws
// nothing: the layout's own work, as a printer surface does it before painting.
class cMeasuringPage : public korval::cReportSurface {
  public:
    bool IsPrinter() const override { return true; }
    int DeviceWidth() const override { return 2550; }
    int DeviceHeight() const override { return 3300; }
    int ClientWidth() const override { return DeviceWidth(); }
    int ClientHeight() const override { return DeviceHeight(); }
    int PixelsPerInchX() const override { return 300; }
    int PixelsPerInchY() const override { return 300; }
    korval::TextMetrics GetTextMetrics() const override { return {50, 22, 50}; }
    int DrawText(std::string_view text, const korval::SurfaceRect&, unsigned) override {
        int lines = 1;
        for (char c : text) lines += c == '\n' ? 1 : 0;
        return lines * 50;
    }
    void DrawLine(korval::SurfacePoint, korval::SurfacePoint, const korval::LineStyle&) override {}
    void DrawPolyline(std::span<const korval::SurfacePoint>, const korval::LineStyle&) override {}
    void FillRect(const korval::SurfaceRect&, korval::Tone) override {}
    void FillPolygon(std::span<const korval::SurfacePoint>, korval::Tone) override {}
    void DrawTextAt(std::string_view, korval::SurfacePoint, unsigned) override {}
};

std::ostringstream discard;
korval::cCliPlatform platform(discard);

korval::cAppContext& Context() {
    static korval::cAppContext context{platform, BenchProfilePath()};
    return context;
}

double LayOut(korval::cSystemDoc& document, bool charts) {
    document.SetFilter(korval::cModelDoc::kChartsSwitch,
                       charts ? korval::FilterState::On : korval::FilterState::Off);
    return SecondsOf([&] {
        cMeasuringPage page;
        benchmark::DoNotOptimize(document.LayOutReport(page));
    });
}

void BM_ChartsAgainstReportWithout(benchmark::State& state) {
    const GeneratedSystem& system = SystemOf(static_cast<int>(state.range(0)));
    auto document = std::make_unique<korval::cSystemDoc>(Context());
    if (!document->LoadModel(system.systemPath)) {
        state.SkipWithError("the generated system could not be read");
        return;
    }
    CompareWithBaseline(
        state, kGoal, [&] { return LayOut(*document, false); },
        [&] { return LayOut(*document, true); });
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ChartsAgainstReportWithout)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
