#include <gtest/gtest.h>

#include <cmath>

#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cProductivity.h"

namespace korval {
namespace {

double MeasureOfIndex(double pi) {
    cProductivity productivity;
    productivity.FromIndex(pi);
    return productivity.Measure();
}

TEST(PutnamFormulasTest, WorkedExampleByHand) {
    // 50,000 SLOC, 20 months to develop, 75 % in the main build, PI 16:
    // y = 20 x 0.75 / 12 = 1.25 years; K = (50000 / (28236.9 x 1.25^(4/3)))^3 = 2.276.
    double y = 20.0 * 0.75 / 12.0;
    double k = LifeCycleEffortYears(50000.0, MeasureOfIndex(16), y);
    EXPECT_NEAR(k, 2.27, 0.01);
    EXPECT_NEAR(MainBuildEffortYears(k), 0.3935 * k, 1e-4 * k);
    EXPECT_NEAR(PeakStaff(k, y), k / (y * std::sqrt(std::exp(1.0))), 1e-12);
    // K = D y^3 with the buildup D the MBI is taken from.
    double buildup = BuildupFromSizeAndSchedule(50000.0, 20.0, 75.0, MeasureOfIndex(16));
    EXPECT_NEAR(k, buildup * y * y * y, 1e-9 * k);
}

TEST(PutnamFormulasTest, CurveClosedFormsHoldOverManyPlans) {
    for (double k : {0.5, 2.27, 40.0, 900.0}) {
        for (double y : {0.25, 1.0, 1.25, 3.5}) {
            SCOPED_TRACE(testing::Message() << "K " << k << " y " << y);
            EXPECT_NEAR(RayleighCumulativeEffortAt(k, y, y) / k, 1.0 - std::exp(-0.5), 1e-12);
            EXPECT_NEAR(RayleighStaffAt(k, y, y), PeakStaff(k, y), 1e-9 * k);
            // The peak is at y: staff rises before it and falls after it.
            EXPECT_LT(RayleighStaffAt(k, y, 0.99 * y), PeakStaff(k, y));
            EXPECT_LT(RayleighStaffAt(k, y, 1.01 * y), PeakStaff(k, y));
            // Staff is the derivative of the cumulative effort (central difference).
            double t = 0.7 * y, h = 1e-5 * y;
            double slope = (RayleighCumulativeEffortAt(k, y, t + h) -
                            RayleighCumulativeEffortAt(k, y, t - h)) /
                           (2 * h);
            EXPECT_NEAR(slope, RayleighStaffAt(k, y, t), 1e-6 * k / y);
            EXPECT_NEAR(RayleighCumulativeEffortAt(k, y, 40 * y), k, 1e-12 * k);
        }
    }
}

TEST(PutnamFormulasTest, AchievedProductivityReproducesTheEffort) {
    for (double pi : {4.0, 11.0, 16.0, 23.0}) {
        double pm = MeasureOfIndex(pi);
        double k = LifeCycleEffortYears(120000.0, pm, 1.6);
        EXPECT_NEAR(MeasureFromMainBuildEffort(120000.0, 1.6, MainBuildEffortYears(k)), pm,
                    1e-9 * pm);
    }
}

TEST(PutnamFormulasTest, MissingInputsGiveZeroNeverNan) {
    EXPECT_EQ(LifeCycleEffortYears(0, 1000, 1), 0.0);
    EXPECT_EQ(LifeCycleEffortYears(1000, 0, 1), 0.0);
    EXPECT_EQ(LifeCycleEffortYears(1000, 1000, 0), 0.0);
    EXPECT_EQ(PeakStaff(3, 0), 0.0);
    EXPECT_EQ(RayleighStaffAt(3, 0, 1), 0.0);
    EXPECT_EQ(MeasureFromMainBuildEffort(1000, 1, 0), 0.0);
    EXPECT_TRUE(std::isfinite(LifeCycleEffortYears(1e300, 1e-300, 1e-300)));
}

}  // namespace
}  // namespace korval
