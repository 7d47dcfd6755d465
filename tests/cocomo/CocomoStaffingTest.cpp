#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

using Staffing = CocomoTest;

TEST_F(Staffing, PhasesLieEndToEndWithTheirEffortAndStaff) {
    for (DevelopmentMode mode :
         {DevelopmentMode::Organic, DevelopmentMode::Semidetached, DevelopmentMode::Embedded}) {
        for (double sloc : {2500.0, 32000.0, 700000.0}) {
            auto d = Estimate(mode, sloc);
            StaffingProfile profile = d->GetStaffingProfile();
            ASSERT_EQ(profile.steps.size(), 3u);
            EXPECT_EQ(profile.steps[0].name, "Product Design");
            EXPECT_EQ(profile.steps[1].name, "Programming");
            EXPECT_EQ(profile.steps[2].name, "Integration and Test");
            EXPECT_EQ(profile.steps[0].startMonth, 0.0);
            for (std::size_t i = 1; i < 3; ++i)
                EXPECT_EQ(profile.steps[i].startMonth, profile.steps[i - 1].endMonth);
            for (const StaffingStep& step : profile.steps) {
                EXPECT_NEAR(step.staff * (step.endMonth - step.startMonth), step.effort,
                            1e-9 * step.effort)
                    << step.name;
            }
            PhaseFigures programming = d->GetProgrammingPhaseFigures();
            EXPECT_DOUBLE_EQ(profile.steps[1].effort,
                             programming.detailedDesign.value + programming.codeAndUnitTest.value);
            EXPECT_DOUBLE_EQ(profile.steps[1].staff, programming.staff.value);
            EXPECT_NEAR(profile.TotalEffort(),
                        d->GetPhaseFigures(cCocomoDoc::Phase::ProductDesign).effort.value +
                            profile.steps[1].effort +
                            d->GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest).effort.value,
                        1e-9);
        }
    }
}

TEST_F(Staffing, NoSizeGivesEmptyPhases) {
    auto d = NewDocument();
    StaffingProfile profile = d->GetStaffingProfile();
    ASSERT_EQ(profile.steps.size(), 3u);
    EXPECT_EQ(profile.TotalEffort(), 0.0);
    EXPECT_EQ(profile.EndMonth(), 0.0);
}

}  // namespace
}  // namespace korval::testing
