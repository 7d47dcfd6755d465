#include "rayleigh/RayleighChart.h"

#include <algorithm>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/RayleighStaffingTable.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

// Enough points for a smooth curve at any printed size, few enough to cost nothing.
constexpr int kCurveSamples = 96;

// The band between the ends' curves and the nominal one, sampled at the same times: a
// longer build's curve has the fuller tail, so no one curve is the upper edge throughout.
ChartSeries RangeBand(const std::vector<ChartPoint>& low, const std::vector<ChartPoint>& high,
                      const std::vector<ChartPoint>& nominal) {
    ChartSeries band;
    band.name = "Low - high range";
    band.column = "Low-High";
    band.shape = SeriesShape::kBand;
    band.line = {DashStyle::kDotted, 1, Tone::kInk};
    band.area = {Tone::kShade, Hatch::kForward, true};
    for (std::size_t i = 0; i < low.size() && i < high.size() && i < nominal.size(); ++i) {
        band.points.push_back({low[i].x, std::min({low[i].y, high[i].y, nominal[i].y})});
        band.upper.push_back(std::max({low[i].y, high[i].y, nominal[i].y}));
    }
    return band;
}

}  // namespace

LineStyle PutnamCurveLine() {
    return {DashStyle::kSolid, 2, Tone::kInk};
}

double RayleighChartEndMonth(double buildYears) {
    return std::max(0.0, RayleighTailFactor() * buildYears * 12.0);
}

std::vector<ChartPoint> RayleighCurvePoints(double lifeCycleEffortYears, double buildYears,
                                            double endMonth) {
    std::vector<ChartPoint> points;
    if (!(endMonth > 0)) return points;
    points.reserve(kCurveSamples + 1);
    for (int i = 0; i <= kCurveSamples; ++i) {
        double month = endMonth * i / kCurveSamples;
        points.push_back(
            {month, FiniteFigure(RayleighStaffAt(lifeCycleEffortYears, buildYears, month / 12.0))});
    }
    return points;
}

ChartContent RayleighStaffingChart(const cRayleighDoc& document, bool ranges) {
    ChartContent chart;
    RangedFigure effort = document.LifeCycleEffortYearsRange();
    RangedFigure build = document.MainBuildPhaseTimeRange();
    double years = build.value / 12.0;
    if (!(effort.value > 0) || !(years > 0)) return chart;
    bool band = ranges && (effort.low != effort.high || build.low != build.high);
    // The low effort comes with the longer build, the high effort with the shorter one.
    double end = RayleighChartEndMonth(band ? std::max(build.high, build.value) / 12.0 : years);
    std::vector<ChartPoint> nominal = RayleighCurvePoints(effort.value, years, end);
    if (band) {
        chart.series.push_back(RangeBand(RayleighCurvePoints(effort.low, build.high / 12.0, end),
                                         RayleighCurvePoints(effort.high, build.low / 12.0, end),
                                         nominal));
    }
    ChartSeries curve;
    curve.name =
        FormatNumber("Staffing, life-cycle effort %.1f person-months", effort.value * 12.0);
    curve.column = "Staff";
    curve.line = PutnamCurveLine();
    curve.points = std::move(nominal);
    chart.series.push_back(std::move(curve));
    chart.markers.push_back({build.value, "End of main build"});
    double peak = PeakStaff(effort.value, years);
    chart.peaks.push_back({build.value, peak, FormatNumber("Peak %.1f people", peak)});
    return chart;
}

}  // namespace korval
