#include "project/ProjectChart.h"

#include <algorithm>

#include "framework/NumberText.h"
#include "framework/chart/StaffingChartSeries.h"
#include "rayleigh/RayleighChart.h"

namespace korval {

namespace {

// The curve on the project's axis: from the start of the main build to its tail.
ChartSeries PutnamSeries(const ProjectPlan& plan) {
    ChartSeries curve;
    curve.name = FormatNumber("Putnam life cycle, %.1f person-months", plan.putnamEffort);
    curve.column = "Putnam";
    curve.line = PutnamCurveLine();
    double buildYears = (plan.rayleighPeakMonth - plan.rayleighStartMonth) / 12.0;
    if (!(plan.putnamEffort > 0) || !(buildYears > 0)) return curve;
    for (ChartPoint point : RayleighCurvePoints(plan.putnamEffort / 12.0, buildYears,
                                                RayleighChartEndMonth(buildYears))) {
        curve.points.push_back({point.x + plan.rayleighStartMonth, point.y});
    }
    return curve;
}

}  // namespace

ChartContent ProjectPlanChart(const ProjectPlan& plan) {
    ChartContent chart;
    ChartSeries steps = PhaseStepsSeries(
        plan.cocomo, FormatNumber("COCOMO phases, %.1f person-months", plan.cocomoEffort),
        "COCOMO");
    ChartSeries curve = PutnamSeries(plan);
    if (steps.points.empty() && curve.points.empty()) return chart;
    if (!steps.points.empty()) chart.series.push_back(std::move(steps));
    if (!curve.points.empty()) {
        chart.series.push_back(std::move(curve));
        chart.markers.push_back({plan.rayleighPeakMonth, "End of main build"});
    }
    return chart;
}

}  // namespace korval
