#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/PutnamPlan.h"
#include "rayleigh/RayleighFormulas.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using testing::RayleighDocFixture;
using testing::TempDir;

// Worked by hand: S = 100,000 SLOC, P = 10,000, level 3 (D = 2^5 = 32):
// y^7 = (S / P)^3 / D = 1000 / 32 = 31.25, y = 1.63512 years; K = 32 y^3 = 139.89 PY.
TEST(PutnamPlanTest, OwnEstimateAtALevelMatchesTheWorkedExample) {
    PutnamEstimate estimate = PutnamEstimateAtMbi(100000, 10000, 3);
    EXPECT_NEAR(estimate.buildYears, 1.635121, 1e-6);
    EXPECT_NEAR(estimate.lifeCycleEffortYears, 139.8943, 1e-4);
}

// Over many sizes, productivities and levels the estimate satisfies both of Putnam's
// equations at once, its MBI is the level asked for, and a faster level takes less time
// and more effort.
TEST(PutnamPlanTest, OwnEstimateSatisfiesTheSoftwareAndBuildupEquations) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> logSize(std::log(500.0), std::log(5e6));
    std::uniform_real_distribution<double> index(0.0, 30.0);
    for (int i = 0; i < 500; ++i) {
        double sloc = std::exp(logSize(random));
        cProductivity productivity;
        productivity.FromIndex(index(random));
        double pm = productivity.Measure();
        PutnamEstimate previous{};
        for (int level = kSlowestBuildupLevel; level <= kFastestBuildupLevel; ++level) {
            PutnamEstimate e = PutnamEstimateAtMbi(sloc, pm, level);
            double y = e.buildYears;
            double k = e.lifeCycleEffortYears;
            EXPECT_NEAR(pm * std::cbrt(k) * std::pow(y, 4.0 / 3.0) / sloc, 1.0, 1e-9);
            EXPECT_NEAR(k / (y * y * y), std::exp2(level + 2.0), 1e-9 * std::exp2(level + 2.0));
            EXPECT_NEAR(ComputeMbi(y * 12.0, sloc, pm), level, 1e-9);
            EXPECT_EQ(FitOfSchedule(sloc, pm, y), ScheduleFit::kWithin);
            if (level > kSlowestBuildupLevel) {
                EXPECT_LT(y, previous.buildYears);
                EXPECT_GT(k, previous.lifeCycleEffortYears);
            }
            previous = e;
        }
    }
}

// The scale's ends: the level-6 minimum is where a shorter schedule leaves it, and effort
// beyond the slowest end is never below that end's.
TEST(PutnamPlanTest, SchedulesOutsideTheScaleAreNeitherPlannedNorExtrapolated) {
    const double sloc = 44075;
    const double pm = 2000;
    double minimum = PutnamEstimateAtMbi(sloc, pm, kFastestMbi).buildYears;
    double slowest = PutnamEstimateAtMbi(sloc, pm, kSlowestMbi).buildYears;
    EXPECT_EQ(FitOfSchedule(sloc, pm, minimum * 0.999), ScheduleFit::kShorterThanFastest);
    EXPECT_EQ(FitOfSchedule(sloc, pm, minimum * 1.001), ScheduleFit::kWithin);
    EXPECT_EQ(FitOfSchedule(sloc, pm, slowest * 0.999), ScheduleFit::kWithin);
    EXPECT_EQ(FitOfSchedule(sloc, pm, slowest * 1.001), ScheduleFit::kLongerThanSlowest);
    EXPECT_EQ(FitOfSchedule(0, pm, 1.0), ScheduleFit::kUndefined);

    PutnamEstimate tooShort = PlanForSchedule(sloc, pm, minimum / 2, 3);
    EXPECT_EQ(tooShort.buildYears, PutnamEstimateAtMbi(sloc, pm, 3).buildYears)
        << "the own estimate at the planned level, not the schedule asked for";
    PutnamEstimate tooLong = PlanForSchedule(sloc, pm, slowest * 3, 3);
    EXPECT_EQ(tooLong.buildYears, slowest * 3);
    EXPECT_DOUBLE_EQ(tooLong.lifeCycleEffortYears,
                     PutnamEstimateAtMbi(sloc, pm, kSlowestMbi).lifeCycleEffortYears);
    double within = (minimum + slowest) / 2;
    EXPECT_EQ(PlanForSchedule(sloc, pm, within, 3).lifeCycleEffortYears,
              LifeCycleEffortYears(sloc, pm, within))
        << "within the scale the plan is the software equation's, as before";
}

class PutnamDocumentTest : public RayleighDocFixture {};

// A model file names its level; one without the key plans for a moderate buildup. The
// figures follow the plan, the report says why, and the warning names the minimum.
TEST_F(PutnamDocumentTest, ALevelIsReadAndTheFiguresFollowThePlan) {
    std::string base =
        "[Rayleigh_Model]\r\nSource_Lines_Code=44075\r\nSchedule=17\r\n"
        "Build_Phase_Percentage=80\r\n[Application_Types]\r\nSelected_application=01\r\n";
    cRayleighDoc older(context);
    ASSERT_TRUE(older.LoadModel(ModelFile(base)));
    EXPECT_EQ(older.GetBuildupLevel(), kDefaultBuildupLevel);
    EXPECT_EQ(older.PlannedScheduleFit(), ScheduleFit::kShorterThanFastest);
    PutnamEstimate own = older.OwnEstimate();
    EXPECT_DOUBLE_EQ(older.PlanBuildMonths(), own.buildYears * 12.0);
    EXPECT_DOUBLE_EQ(older.LifeCycleEffortYearsRange().value, own.lifeCycleEffortYears);
    ASSERT_EQ(older.Warnings().size(), 1u);
    EXPECT_EQ(older.Warnings()[0].code, "putnam.scheduleShorterThanMinimum");
    char minimum[32];
    std::snprintf(minimum, sizeof minimum, "minimum of %.1f months",
                  older.MinimumMainBuildMonths());
    EXPECT_NE(older.Warnings()[0].message.find(minimum), std::string::npos);

    cRayleighDoc faster(context);
    std::string withLevel = base;
    withLevel.insert(withLevel.find("[Application_Types]"), "Buildup_Level=6\r\n");
    ASSERT_TRUE(faster.LoadModel(ModelFile(withLevel)));
    EXPECT_EQ(faster.GetBuildupLevel(), 6);
    EXPECT_LT(faster.PlanBuildMonths(), older.PlanBuildMonths());
    std::string path = dir.File("saved.RLM");
    ASSERT_TRUE(faster.SaveAs(path));
    EXPECT_NE(TempDir::ReadFile(path).find("Buildup_Level=6"), std::string::npos);
}

// A file's size without a main build (the dialog refuses it) opens with a warning.
TEST_F(PutnamDocumentTest, ASizeWithoutAMainBuildIsNamed) {
    for (const char* model : {"Schedule=0\r\nBuild_Phase_Percentage=80\r\n",
                              "Schedule=12\r\nBuild_Phase_Percentage=0\r\n"}) {
        cRayleighDoc doc(context);
        ASSERT_TRUE(doc.LoadModel(
            ModelFile(std::string("[Rayleigh_Model]\r\nSource_Lines_Code=15000\r\n") + model)));
        ASSERT_EQ(doc.Warnings().size(), 1u) << model;
        EXPECT_EQ(doc.Warnings()[0].code, "putnam.noMainBuild");
    }
}

}  // namespace
}  // namespace korval
