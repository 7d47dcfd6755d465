#include "system/SystemChart.h"

#include <algorithm>

#include "framework/NumberText.h"

namespace korval {

namespace {

enum Category { kProductDesign, kProgramming, kIntegration, kFinalTest };

// Each phase its own hatching, so the bars read apart on black and white paper.
std::vector<ChartCategory> PhaseCategories() {
    return {{"Product design", {Tone::kShade, Hatch::kHorizontal, true}},
            {"Programming", {Tone::kShade, Hatch::kForward, true}},
            {"Integration and test", {Tone::kShade, Hatch::kCross, true}},
            {"Final test", {Tone::kShade, Hatch::kBackward, true}}};
}

int CategoryOf(const GanttRow& row, std::size_t phase) {
    switch (row.kind) {
        case GanttRow::Kind::ProductDesign:
            return kProductDesign;
        case GanttRow::Kind::FinalTest:
            return kFinalTest;
        case GanttRow::Kind::Member:
            break;
    }
    return phase == 0 ? kProgramming : kIntegration;
}

}  // namespace

ChartContent SystemGanttChart(const SystemPlan& plan) {
    ChartContent chart;
    chart.yUnit.clear();
    if (plan.rows.empty()) return chart;
    chart.categories = PhaseCategories();
    chart.rows.reserve(plan.rows.size());
    for (const GanttRow& row : plan.rows) {
        GanttChartRow chartRow;
        chartRow.name = row.name;
        chartRow.missing = row.missing;
        chartRow.bars.reserve(row.phases.size());
        for (std::size_t i = 0; i < row.phases.size(); ++i) {
            const StaffingStep& phase = row.phases[i];
            chartRow.bars.push_back({phase.startMonth, phase.endMonth, CategoryOf(row, i)});
        }
        chart.rows.push_back(std::move(chartRow));
    }
    return chart;
}

ChartContent SystemStaffingChart(const SystemPlan& plan) {
    ChartContent chart;
    const StaffingTable& table = plan.staffing;
    if (table.periods.empty()) return chart;
    ChartSeries staffing;
    staffing.name = FormatNumber("System staffing, %.1f person-months", plan.placedEffort);
    staffing.column = "Staff";
    staffing.shape = SeriesShape::kSteps;
    staffing.line = {DashStyle::kSolid, 2, Tone::kInk};
    staffing.area = {Tone::kShade, Hatch::kNone, true};
    staffing.points.reserve(table.periods.size() + 1);
    for (std::size_t i = 0; i < table.periods.size(); ++i) {
        staffing.points.push_back(
            {static_cast<double>(i) * table.periodMonths, table.periods[i].staff});
    }
    double end = static_cast<double>(table.periods.size()) * table.periodMonths;
    if (plan.endMonth > 0) end = std::min(end, plan.endMonth);
    staffing.points.push_back({end, 0});
    chart.series.push_back(std::move(staffing));
    return chart;
}

}  // namespace korval
