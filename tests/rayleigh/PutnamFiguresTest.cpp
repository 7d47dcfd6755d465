#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/RayleighStaffingTable.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using testing::RayleighDocFixture;

class PutnamFiguresTest : public RayleighDocFixture {
  protected:
    cAppContext& IndexSixteen() {
        return ContextWithTypes(
            "Application_Type_Name00=Sixteen\r\nApplication_Type_User00=FALSE\r\n"
            "Application_Type_Prod00=PI\r\nApplication_Type_Val00=16\r\n"
            "Application_Type_SD00=4\r\n");
    }
};

void ExpectOrdered(const RangedFigure& figure, const char* name) {
    EXPECT_LE(figure.low, figure.value) << name;
    EXPECT_LE(figure.value, figure.high) << name;
    EXPECT_TRUE(std::isfinite(figure.low) && std::isfinite(figure.high)) << name;
}

// PI 16 is a measure of 28,250: a main build of y = 1 year (TDEV 16 months, 75 %) gives
// K = (50,000 / 28,250)^3 = 5.545 person-years, an MBI of 0.47 (level 0, within the scale).
TEST_F(PutnamFiguresTest, WorkedExampleThroughTheDocument) {
    cRayleighDoc doc(IndexSixteen());
    doc.SetSourceLines(50000);
    doc.SetSchedule(16);
    ASSERT_EQ(doc.PlannedScheduleFit(), ScheduleFit::kWithin);
    RangedFigure k = doc.LifeCycleEffortYearsRange();
    EXPECT_NEAR(k.value, 5.545, 0.01);
    EXPECT_NEAR(doc.LifeCycleEffortMonths(), 12 * k.value, 1e-9);
    EXPECT_NEAR(doc.MainBuildEffortYearsRange().value / k.value, 1 - std::exp(-0.5), 1e-12);
    EXPECT_NEAR(doc.MainBuildEffortMonths(), 12 * doc.MainBuildEffortYearsRange().value, 1e-9);
    EXPECT_NEAR(doc.PeakStaff(), k.value / (1.0 * std::sqrt(std::exp(1.0))), 1e-9);

    StaffingTable table = doc.GetStaffingTable();
    // y = 12 months, the tail to about 2.77 y: 34 months.
    ASSERT_EQ(table.periods.size(), 34u);
    EXPECT_FALSE(table.truncated);
    // The busiest months are those around the end of the main build.
    std::size_t busiest = 0;
    for (std::size_t i = 0; i < table.periods.size(); ++i)
        if (table.periods[i].staff > table.periods[busiest].staff) busiest = i;
    EXPECT_TRUE(table.periods[busiest].month == 12 || table.periods[busiest].month == 13);
    EXPECT_NEAR(table.periods[11].cumulativeEffort, doc.MainBuildEffortMonths(), 1e-9);
    EXPECT_LT(table.periods.back().staff, 0.1 * doc.PeakStaff());
    EXPECT_GE(table.periods[32].staff, 0.1 * doc.PeakStaff() * 0.9);
}

TEST_F(PutnamFiguresTest, MonthlyEffortsAddUpToTheCumulativeEffort) {
    for (double k : {0.3, 2.27, 75.0, 5000.0}) {
        for (double y : {0.05, 0.5, 1.25, 4.0}) {
            StaffingTable table = MakeRayleighStaffingTable(k, y);
            ASSERT_FALSE(table.periods.empty());
            double sum = 0;
            for (const StaffingPeriod& period : table.periods) {
                sum += period.effort;
                EXPECT_DOUBLE_EQ(period.staff, period.effort) << "one-month periods";
            }
            EXPECT_NEAR(sum, table.TotalEffort(), 1e-9 * table.TotalEffort());
            EXPECT_NEAR(table.TotalEffort(),
                        RayleighCumulativeEffortAt(12 * k, y, table.periods.size() / 12.0), 1e-9);
            EXPECT_GT(table.TotalEffort(), 0.97 * 12 * k) << "the tail holds almost all of K";
        }
    }
}

TEST_F(PutnamFiguresTest, TableIsEmptyWithoutInputsAndBoundedForAbsurdOnes) {
    EXPECT_TRUE(MakeRayleighStaffingTable(0, 1).periods.empty());
    EXPECT_TRUE(MakeRayleighStaffingTable(3, 0).periods.empty());
    StaffingTable longest = MakeRayleighStaffingTable(1e6, 1e8);
    EXPECT_EQ(longest.periods.size(), static_cast<std::size_t>(kMaxStaffingPeriods));
    EXPECT_TRUE(longest.truncated);
    EXPECT_NEAR(RayleighTailFactor(), 2.77, 0.01);
    EXPECT_NEAR(RayleighStaffAt(1, 1, RayleighTailFactor()) / PeakStaff(1, 1), 0.1, 1e-9);
}

TEST_F(PutnamFiguresTest, NoFiguresWhereTheMbiLacksInputs) {
    cRayleighDoc doc(IndexSixteen());
    EXPECT_EQ(doc.LifeCycleEffortYearsRange(), RangedFigure{}) << "no size, no schedule";
    doc.SetSchedule(20);
    EXPECT_EQ(doc.PeakStaffRange(), RangedFigure{}) << "no size";
    EXPECT_TRUE(doc.GetStaffingTable().periods.empty());
    doc.SetSourceLines(50000);
    doc.SetBuildPhasePercentage(0);
    EXPECT_EQ(doc.MainBuildEffortMonthsRange(), RangedFigure{}) << "no build time";
}

// Within the MBI scale at both ends (levels 1 to 3), the ranges follow the equations.
TEST_F(PutnamFiguresTest, LowEffortPairsWithTheLowMbi) {
    cRayleighDoc doc(IndexSixteen());
    doc.SetSourceLines(50000);
    doc.SetSchedule(14);
    doc.SetRayleighSensitivity(10, 10, 2, 10, RayleighSensitivityType::Sloc);
    RangedFigure k = doc.LifeCycleEffortYearsRange();
    EXPECT_NEAR(k.low, k.value * std::pow(0.9, 3), 1e-9 * k.value) << "K goes with S^3";
    EXPECT_NEAR(k.high, k.value * std::pow(1.1, 3), 1e-9 * k.value);
    doc.SetRayleighSensitivity(10, 10, 2, 10, RayleighSensitivityType::Schedule);
    k = doc.LifeCycleEffortYearsRange();
    EXPECT_NEAR(k.low, k.value * std::pow(1.1, -4), 1e-9 * k.value) << "a longer build";
    EXPECT_NEAR(doc.PeakStaffRange().low, doc.PeakStaff() * std::pow(1.1, -5),
                1e-9 * doc.PeakStaff());
}

// Ranges stay ordered over every sensitivity type and a spread of inputs, the extreme
// percentages and a project's size range that does not enclose its value included.
TEST_F(PutnamFiguresTest, RangesAreOrderedOverManyGeneratedInputs) {
    cRayleighDoc doc(context);
    std::mt19937 random(14);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 2000; ++i) {
        doc.SetSelectedApplication(i % 3);
        doc.SetSourceLines(std::pow(10.0, 7 * unit(random)) - 1);
        doc.SetSchedule(60 * unit(random));
        doc.SetBuildPhasePercentage(static_cast<int>(100 * unit(random)));
        doc.SetSourceLinesRange(doc.GetSourceLines() * 2 * unit(random),
                                doc.GetSourceLines() * 2 * unit(random));
        doc.SetScheduleRange(60 * unit(random), 60 * unit(random));
        doc.SetRayleighSensitivity(i % 7 == 0 ? 100 : 100 * unit(random),
                                   i % 5 == 0 ? 100 : 100 * unit(random), i % 11,
                                   i % 13 == 0 ? 100 : static_cast<int>(100 * unit(random)),
                                   static_cast<RayleighSensitivityType>(i % 5));
        SCOPED_TRACE(::testing::Message() << "input " << i);
        ExpectOrdered(doc.LifeCycleEffortYearsRange(), "K");
        ExpectOrdered(doc.LifeCycleEffortMonthsRange(), "K months");
        ExpectOrdered(doc.MainBuildEffortYearsRange(), "E(y)");
        ExpectOrdered(doc.MainBuildEffortMonthsRange(), "E(y) months");
        ExpectOrdered(doc.PeakStaffRange(), "m(y)");
    }
}

}  // namespace
}  // namespace korval
