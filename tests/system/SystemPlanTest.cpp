#include <gtest/gtest.h>

#include <random>

#include "framework/cTextReportSurface.h"
#include "system/cSystemDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

// A member with known figures, standing in for a project file.
class cPlannedMember : public cSystemProjectDoc {
  public:
    cPlannedMember(cAppContext& context, MemberFigures figures)
        : cSystemProjectDoc(context), figures_(figures) {}
    MemberFigures Figures() const override { return figures_; }

  private:
    MemberFigures figures_;
};

class SystemPlanTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};

    static MemberFigures Member(double programmingTdev, double programmingEffort,
                                double integrationTdev, double integrationEffort) {
        MemberFigures f;
        f.programmingTdev = programmingTdev;
        f.programmingEffort = programmingEffort;
        f.integrationTdev = integrationTdev;
        f.integrationEffort = integrationEffort;
        return f;
    }

    void AddMembers(cSystemDoc& system, const std::vector<MemberFigures>& figures) {
        std::vector<std::unique_ptr<cSystemProjectDoc>> members;
        for (const MemberFigures& f : figures)
            members.push_back(std::make_unique<cPlannedMember>(context, f));
        system.SetMembers(std::move(members));
        system.RecalculateSystem();
    }
};

TEST_F(SystemPlanTest, GanttFollowsTheCumulativeSchedule) {
    cSystemDoc system(context);
    system.SetAttributes(4, 20, true, 2, 10);
    AddMembers(system, {Member(10, 50, 6, 30), Member(3, 9, 2, 4), Member(5, 25, 1, 2)});
    SystemPlan plan = system.GetPlan();
    ASSERT_EQ(plan.rows.size(), 5u);
    EXPECT_EQ(plan.rows.front().kind, GanttRow::Kind::ProductDesign);
    EXPECT_EQ(plan.rows.back().kind, GanttRow::Kind::FinalTest);
    std::vector<cSystemDoc::ScheduleRow> schedule = system.CumulativeSchedule();
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        const GanttRow& row = plan.rows[i + 1];
        EXPECT_EQ(row.member, static_cast<int>(i + 1));
        EXPECT_TRUE(row.missing) << "fake members have no file";
        ASSERT_EQ(row.phases.size(), 2u);
        EXPECT_DOUBLE_EQ(row.phases[0].endMonth, schedule[i].programmingEnd);
        EXPECT_DOUBLE_EQ(row.phases[1].startMonth, schedule[i].programmingEnd);
        EXPECT_DOUBLE_EQ(row.phases[1].endMonth, schedule[i].integrationEnd);
    }
    EXPECT_DOUBLE_EQ(plan.rows[1].phases[0].startMonth, 4);
    EXPECT_DOUBLE_EQ(plan.rows[1].phases[0].staff, 5);
    // Final test starts after the latest integration end (member 3's, at 23), though
    // member 1's ends later than member 2's.
    EXPECT_DOUBLE_EQ(plan.rows.back().phases[0].startMonth, 23);
    EXPECT_DOUBLE_EQ(plan.endMonth, system.GetTotalTdev());
    EXPECT_NEAR(plan.placedEffort, system.GetTotalEffort(), 1e-9);
    EXPECT_NEAR(plan.staffing.TotalEffort(), system.GetTotalEffort(), 1e-9);
    ASSERT_EQ(plan.staffing.periods.size(), 25u);
    EXPECT_DOUBLE_EQ(plan.staffing.periods[0].staff, 5) << "product design alone";
    // Month 15: member 1 integrates (5 people), member 2 programs (3 people).
    EXPECT_NEAR(plan.staffing.periods[14].staff, 8, 1e-9);
}

// The staffing sums every placed phase's effort, over many generated systems.
TEST_F(SystemPlanTest, StaffingAddsUpTheEffortsPlaced) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 50; ++trial) {
        cSystemDoc system(context);
        system.SetAttributes(12 * unit(random), 100 * unit(random), true, 6 * unit(random),
                             50 * unit(random));
        std::vector<MemberFigures> members;
        for (int i = 0; i < trial * 3; ++i)
            members.push_back(
                Member(20 * unit(random), 300 * unit(random), 8 * unit(random), 90 * unit(random)));
        AddMembers(system, members);
        SystemPlan plan = system.GetPlan();
        double placed = 0;
        for (const GanttRow& row : plan.rows)
            for (const StaffingStep& phase : row.phases) placed += phase.effort;
        EXPECT_NEAR(plan.placedEffort, placed, 1e-9 * placed);
        EXPECT_NEAR(plan.staffing.TotalEffort(), placed, 1e-9 * placed) << "trial " << trial;
        double sum = 0;
        for (const StaffingPeriod& period : plan.staffing.periods) {
            sum += period.effort;
            EXPECT_GE(period.effort, 0);
        }
        EXPECT_NEAR(sum, placed, 1e-9 * placed);
    }
}

TEST_F(SystemPlanTest, LongSchedulesUseLongerPeriodsAndPhasesWithoutTimeAreNotPlaced) {
    cSystemDoc system(context);
    system.SetAttributes(0, 30, true, 0, 0);
    std::vector<MemberFigures> members(3000, Member(1.5, 3, 0.5, 1));
    AddMembers(system, members);
    SystemPlan plan = system.GetPlan();
    EXPECT_DOUBLE_EQ(plan.endMonth, 4500.5);
    EXPECT_EQ(plan.staffing.periodMonths, 4);
    EXPECT_LE(plan.staffing.periods.size(), static_cast<std::size_t>(kMaxStaffingPeriods));
    EXPECT_NEAR(plan.placedEffort, 3000 * 4.0, 1e-6) << "product design has no time";
    EXPECT_NEAR(plan.staffing.TotalEffort(), plan.placedEffort, 1e-6);
    EXPECT_EQ(plan.staffing.periods.back().month, 4501);
}

TEST_F(SystemPlanTest, StaffingBlockFollowsEveryOtherRow) {
    cSystemDoc system(context);
    system.SetAttributes(4, 20, true, 2, 10);
    AddMembers(system, {Member(10, 50, 6, 30), Member(3, 9, 2, 4)});
    auto report = [&system] {
        cTextReportSurface surface;
        system.LayOutReport(surface).DrawAll(surface);
        return surface.Render();
    };
    system.SetFilter(cModelDoc::kChartsSwitch, FilterState::Off);  // the charts come last
    system.SetFilter(cModelDoc::kStaffingSwitch, FilterState::Off);
    std::string without = report();
    system.SetFilter(cModelDoc::kStaffingSwitch, FilterState::On);
    std::string with = report();
    ASSERT_EQ(with.substr(0, without.size()), without);
    std::string block = with.substr(without.size());
    for (const char* expected :
         {"STAFFING INFORMATION:", "Peak Staff:", "8.0 FSP", "in month 15",
          "Placed Effort:", "123.0 person months", "Members' Timeline", "(missing)"}) {
        EXPECT_NE(block.find(expected), std::string::npos) << expected << "\n" << block;
    }
}

TEST_F(SystemPlanTest, EmptySystemHasItsOwnPhasesOnly) {
    cSystemDoc system(context);
    SystemPlan plan = system.GetPlan();
    ASSERT_EQ(plan.rows.size(), 2u);
    EXPECT_TRUE(plan.staffing.periods.empty());
    EXPECT_EQ(plan.placedEffort, 0);
}

}  // namespace
}  // namespace korval
