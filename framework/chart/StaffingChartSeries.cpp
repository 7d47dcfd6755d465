#include "framework/chart/StaffingChartSeries.h"

namespace korval {

ChartSeries PhaseStepsSeries(const StaffingProfile& profile, std::string name, std::string column) {
    ChartSeries series;
    series.name = std::move(name);
    series.column = std::move(column);
    series.shape = SeriesShape::kSteps;
    series.line = {DashStyle::kSolid, 1, Tone::kInk};
    series.area = {Tone::kShade, Hatch::kBackward, true};
    double end = 0;
    for (const StaffingStep& step : profile.steps) {
        if (step.endMonth <= step.startMonth) continue;
        if (!series.points.empty() && step.startMonth > end) {
            series.points.push_back({end, 0});
            series.stepLabels.emplace_back();
        }
        series.points.push_back({step.startMonth, step.staff});
        series.stepLabels.push_back(step.name);
        end = step.endMonth;
    }
    if (!series.points.empty()) series.points.push_back({end, 0});
    return series;
}

}  // namespace korval
