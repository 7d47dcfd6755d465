// The system's charts from its plan: one Gantt row per plan row with its phases as bars
// of their kind, a missing member kept and marked, and the staffing as steps ending at 0.
#include <gtest/gtest.h>

#include "system/SystemChart.h"

namespace korval {
namespace {

SystemPlan PlanOf(int members) {
    SystemPlan plan;
    plan.rows.push_back({GanttRow::Kind::ProductDesign,
                         0,
                         "Product Design",
                         false,
                         {{"Product Design", 0, 6, 4, 24}}});
    for (int i = 0; i < members; ++i) {
        double start = 6 + i;
        plan.rows.push_back({GanttRow::Kind::Member,
                             i + 1,
                             "member" + std::to_string(i + 1),
                             i == 1,
                             {{"Programming", start, start + 8, 5, 40},
                              {"Integration and Test", start + 8, start + 11, 3, 9}}});
    }
    plan.rows.push_back(
        {GanttRow::Kind::FinalTest, 0, "Final Test", false, {{"Final Test", 20, 23, 2, 6}}});
    plan.staffing.periodMonths = 1;
    for (int month = 1; month <= 23; ++month)
        plan.staffing.periods.push_back({month, 4.0 + month % 3, 4.0 + month % 3, 0});
    plan.endMonth = 23;
    plan.placedEffort = 123.4;
    return plan;
}

TEST(SystemChartTest, GanttRowsFollowThePlan) {
    for (int members : {0, 1, 3, 1000}) {
        SystemPlan plan = PlanOf(members);
        ChartContent gantt = SystemGanttChart(plan);
        ASSERT_TRUE(gantt.IsGantt());
        ASSERT_EQ(gantt.rows.size(), plan.rows.size());
        EXPECT_EQ(gantt.rows.front().bars.at(0).category, 0);
        EXPECT_EQ(gantt.rows.back().bars.at(0).category, 3);
        for (std::size_t i = 1; i + 1 < gantt.rows.size(); ++i) {
            const GanttChartRow& row = gantt.rows[i];
            EXPECT_EQ(row.name, plan.rows[i].name);
            EXPECT_EQ(row.missing, plan.rows[i].missing);
            ASSERT_EQ(row.bars.size(), 2u);
            EXPECT_EQ(row.bars[0].category, 1);
            EXPECT_EQ(row.bars[1].category, 2);
            EXPECT_DOUBLE_EQ(row.bars[1].start, plan.rows[i].phases[1].startMonth);
            EXPECT_DOUBLE_EQ(row.bars[1].end, plan.rows[i].phases[1].endMonth);
        }
    }
    EXPECT_FALSE(SystemGanttChart(SystemPlan{}).IsGantt());
}

TEST(SystemChartTest, StaffingStepsFollowTheTable) {
    SystemPlan plan = PlanOf(3);
    ChartContent chart = SystemStaffingChart(plan);
    ASSERT_EQ(chart.series.size(), 1u);
    const ChartSeries& steps = chart.series[0];
    EXPECT_EQ(steps.shape, SeriesShape::kSteps);
    EXPECT_NE(steps.name.find("123.4 person-months"), std::string::npos);
    ASSERT_EQ(steps.points.size(), plan.staffing.periods.size() + 1);
    for (std::size_t i = 0; i < plan.staffing.periods.size(); ++i) {
        EXPECT_DOUBLE_EQ(steps.points[i].x, static_cast<double>(i));
        EXPECT_DOUBLE_EQ(steps.points[i].y, plan.staffing.periods[i].staff);
    }
    EXPECT_DOUBLE_EQ(steps.points.back().x, 23);
    EXPECT_DOUBLE_EQ(steps.points.back().y, 0);
    EXPECT_TRUE(SystemStaffingChart(SystemPlan{}).series.empty());
}

}  // namespace
}  // namespace korval
