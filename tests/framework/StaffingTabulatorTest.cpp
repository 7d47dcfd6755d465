#include <gtest/gtest.h>

#include <limits>

#include "framework/cStaffingTabulator.h"

namespace korval {
namespace {

struct PeriodCase {
    const char* name;
    std::vector<StaffingStep> steps;
    double endMonth;
    std::vector<double> efforts;  // expected effort of each period
};

TEST(StaffingTabulatorTest, StepsSplitOverTheMonthsTheyCover) {
    const PeriodCase cases[] = {
        {"whole months", {{"a", 0, 2, 3, 6}}, 2, {3, 3}},
        {"a step inside one month", {{"a", 0.25, 0.75, 4, 2}}, 1, {2}},
        {"across a month's end", {{"a", 0.5, 2.5, 2, 4}}, 3, {1, 2, 1}},
        {"overlapping steps add up", {{"a", 0, 2, 1, 2}, {"b", 1, 3, 2, 4}}, 3, {1, 3, 2}},
        {"a step past the end is cut", {{"a", 1, 5, 1, 4}}, 2, {0, 1}},
        {"a step without time adds nothing", {{"a", 1, 1, 5, 5}}, 2, {0, 0}},
        {"a partial last month", {{"a", 0, 1.5, 2, 3}}, 1.5, {2, 1}},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.name);
        cStaffingTabulator tabulator(c.endMonth);
        for (const StaffingStep& step : c.steps) tabulator.Add(step);
        StaffingTable table = tabulator.Table();
        ASSERT_EQ(table.periods.size(), c.efforts.size());
        double cumulative = 0;
        for (std::size_t i = 0; i < c.efforts.size(); ++i) {
            EXPECT_NEAR(table.periods[i].effort, c.efforts[i], 1e-12) << "period " << i;
            cumulative += c.efforts[i];
            EXPECT_NEAR(table.periods[i].cumulativeEffort, cumulative, 1e-12);
            EXPECT_EQ(table.periods[i].month, static_cast<int>(i + 1));
        }
        EXPECT_NEAR(tabulator.PlacedEffort(), cumulative, 1e-12);
    }
}

TEST(StaffingTabulatorTest, StaffIsTheEffortOverThePeriodsLength) {
    cStaffingTabulator half(1.5);
    half.Add({"a", 0, 1.5, 2, 3});
    EXPECT_DOUBLE_EQ(half.Table().periods.back().staff, 2) << "half a month of 2 people";

    cStaffingTabulator longSchedule(3 * kMaxStaffingPeriods);
    longSchedule.Add({"a", 0, 3.0 * kMaxStaffingPeriods, 5, 15.0 * kMaxStaffingPeriods});
    StaffingTable table = longSchedule.Table();
    EXPECT_EQ(table.periodMonths, 3);
    ASSERT_EQ(table.periods.size(), static_cast<std::size_t>(kMaxStaffingPeriods));
    EXPECT_NEAR(table.periods[7].staff, 5, 1e-9);
    EXPECT_NEAR(table.periods[7].effort, 15, 1e-9);
    EXPECT_EQ(table.periods[7].month, 24);
}

TEST(StaffingTabulatorTest, NoScheduleGivesNoPeriods) {
    for (double end : {0.0, -3.0, std::numeric_limits<double>::infinity()}) {
        cStaffingTabulator tabulator(end);
        tabulator.Add({"a", 0, 1, 1, 1});
        EXPECT_TRUE(tabulator.Table().periods.empty());
        EXPECT_EQ(tabulator.PlacedEffort(), 0);
    }
}

}  // namespace
}  // namespace korval
