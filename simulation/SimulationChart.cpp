#include "simulation/SimulationChart.h"

#include <algorithm>

#include "framework/chart/ChartScale.h"

namespace korval {

namespace {

// The S-curve is read at every percent: smooth enough on any paper, and as long for a
// million trials as for a hundred.
constexpr int kCurvePoints = 100;
// As many round values as the chart's table reads.
constexpr int kTableSteps = 12;

std::string AxisUnit(const OutputSummary& output) {
    std::string unit =
        output.unit.empty() ? output.shortLabel : output.shortLabel + ", " + output.unit;
    return unit;
}

}  // namespace

ChartContent SimulationHistogramChart(const OutputSummary& output) {
    ChartContent chart;
    chart.xUnit = AxisUnit(output);
    chart.yUnit = "Trials";
    chart.xFromData = true;
    if (output.histogram.empty()) return chart;
    ChartSeries bars;
    bars.name = output.label + ", trials per bin";
    bars.column = "Trials";
    bars.shape = SeriesShape::kSteps;
    bars.line = {DashStyle::kSolid, 1, Tone::kInk};
    bars.area = {Tone::kShade, Hatch::kBackward, true};
    for (const HistogramBin& bin : output.histogram)
        bars.points.push_back({bin.from, static_cast<double>(bin.count)});
    bars.points.push_back({output.histogram.back().to, 0});
    // All trials alike: one bin of no width, which the steps could not show.
    if (bars.points.front().x >= bars.points.back().x) bars.points.back().x += 1;
    chart.series.push_back(std::move(bars));
    return chart;
}

ChartContent SimulationSCurveChart(const OutputSummary& output) {
    ChartContent chart;
    chart.xUnit = AxisUnit(output);
    chart.yUnit = "Probability";
    chart.xFromData = true;
    if (output.sorted.empty()) return chart;
    ChartSeries curve;
    curve.name = output.label + ", probability of not exceeding";
    curve.column = "Probability";
    curve.shape = SeriesShape::kLine;
    curve.line = {DashStyle::kSolid, 2, Tone::kInk};
    curve.area.filled = false;
    for (int i = 0; i <= kCurvePoints; ++i) {
        double percent = 100.0 * i / kCurvePoints;
        curve.points.push_back({output.ValueAt(percent), percent / 100});
    }
    // Certain beyond the last trial: the curve stays at 1 to the axis' round end, so the
    // table read at round values never shows a value past the trials as unlikely.
    double low = output.target ? std::min(output.minimum, *output.target) : output.minimum;
    double end = ChartScale::Covering(low, output.maximum, kTableSteps).high;
    if (end > output.maximum) curve.points.push_back({end, 1});
    chart.series.push_back(std::move(curve));
    chart.markers.push_back({output.p50, "P50"});
    chart.markers.push_back({output.p80, "P80"});
    if (output.target) chart.markers.push_back({*output.target, "Target"});
    return chart;
}

std::vector<const OutputSummary*> ChartedOutputs(const SimulationResults& results) {
    std::vector<const OutputSummary*> charted;
    for (TargetKind kind : {TargetKind::Effort, TargetKind::Time, TargetKind::Cost}) {
        auto found = std::find_if(results.outputs.begin(), results.outputs.end(),
                                  [kind](const OutputSummary& output) {
                                      return output.targetKind == kind && !output.sorted.empty();
                                  });
        if (found != results.outputs.end()) charted.push_back(&*found);
    }
    return charted;
}

}  // namespace korval
