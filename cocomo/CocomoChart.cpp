#include "cocomo/CocomoChart.h"

#include "framework/NumberText.h"
#include "framework/chart/StaffingChartSeries.h"

namespace korval {

ChartContent CocomoPhaseChart(const StaffingProfile& profile) {
    ChartContent chart;
    ChartSeries steps = PhaseStepsSeries(
        profile, FormatNumber("COCOMO phases, %.1f person-months", profile.TotalEffort()), "Staff");
    if (steps.points.empty()) return chart;
    chart.series.push_back(std::move(steps));
    return chart;
}

}  // namespace korval
