#include <gtest/gtest.h>

#include "cocomo/cCocomoDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "tests/project/ProjectTestSupport.h"

namespace korval::testing {
namespace {

using ProjectPlanTest = ProjectTest;

TEST_F(ProjectPlanTest, BothPlansShareTheTimeAxisOfEveryExample) {
    for (const char* example : {"payroll.PRJ", "web-shop.PRJ", "ground-station.PRJ"}) {
        SCOPED_TRACE(example);
        std::unique_ptr<cProjectDoc> project = OpenCopy(example);
        ProjectPlan plan = project->GetPlan();
        const cCocomoDoc& cocomo = *project->GetCocomoModel();
        const cRayleighDoc& rayleigh = *project->GetRayleighModel();

        ASSERT_EQ(plan.cocomo.steps.size(), 3u);
        EXPECT_NEAR(plan.cocomoEffort, cocomo.GetAdjustedEffort(), 1e-6 * plan.cocomoEffort);
        EXPECT_NEAR(plan.cocomo.EndMonth(), cocomo.GetTimeToDevelop(), 1e-9);
        // The main build starts where COCOMO's schedule puts it; the curve peaks where the
        // COCOMO phases end, unless that schedule is shorter than Putnam's minimum (the
        // ground station's): his own main build then ends later.
        EXPECT_NEAR(plan.rayleighStartMonth + rayleigh.MainBuildPhaseTime(),
                    cocomo.GetTimeToDevelop(), 1e-9);
        EXPECT_NEAR(plan.rayleighPeakMonth - plan.rayleighStartMonth, rayleigh.PlanBuildMonths(),
                    1e-9);
        if (rayleigh.PlannedScheduleFit() == ScheduleFit::kShorterThanFastest) {
            EXPECT_GT(plan.rayleighPeakMonth, cocomo.GetTimeToDevelop());
        } else {
            EXPECT_DOUBLE_EQ(plan.rayleighPeakMonth, cocomo.GetTimeToDevelop());
        }
        EXPECT_GT(plan.rayleighStartMonth, 0.0);
        EXPECT_DOUBLE_EQ(plan.putnamEffort, rayleigh.LifeCycleEffortMonths());
        EXPECT_DOUBLE_EQ(plan.putnamMainBuildEffort, rayleigh.MainBuildEffortMonths());
        ASSERT_FALSE(plan.rayleigh.periods.empty());
        EXPECT_NEAR(plan.rayleigh.TotalEffort(), plan.putnamEffort, 0.03 * plan.putnamEffort);
    }
}

// The staffing block comes after every row the project showed before, and the models'
// own staffing blocks only within it.
TEST_F(ProjectPlanTest, StaffingBlockFollowsEveryModelsRows) {
    std::unique_ptr<cProjectDoc> project = OpenCopy("payroll.PRJ");
    // The example is priced and charted: its Cost block and charts, which come last, are
    // left out here.
    project->SetFilter(cModelDoc::kCostSwitch, FilterState::Off);
    project->SetFilter(cModelDoc::kChartsSwitch, FilterState::Off);
    project->SetFilter(cModelDoc::kStaffingSwitch, FilterState::Off);
    std::string without = ReportOf(*project);
    project->SetFilter(cModelDoc::kStaffingSwitch, FilterState::On);
    std::string with = ReportOf(*project);
    ASSERT_EQ(with.substr(0, without.size()), without);
    std::string block = with.substr(without.size());
    for (const char* expected :
         {"STAFFING INFORMATION:", "COCOMO Phases", "Integration and Test:", "Putnam Curve",
          "Main Build:", "Life-Cycle Effort (K):", "Staffing by Month"}) {
        EXPECT_NE(block.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(with.find("Staffing by Month"), with.rfind("Staffing by Month"));
    EXPECT_EQ(project->GetRayleighModel()->GetFilter(cModelDoc::kStaffingSwitch), FilterState::On)
        << "the models' switches come back";
}

TEST_F(ProjectPlanTest, NewProjectHasNoPlan) {
    cProjectDoc project(context);
    ProjectPlan plan = project.GetPlan();
    EXPECT_EQ(plan.cocomoEffort, 0.0);
    EXPECT_EQ(plan.putnamEffort, 0.0);
    EXPECT_TRUE(plan.rayleigh.periods.empty());
    EXPECT_EQ(plan.rayleighStartMonth, 0.0);
}

}  // namespace
}  // namespace korval::testing
