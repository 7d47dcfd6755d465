#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cProductivity.h"

namespace korval {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double MeasureOfIndex(double pi) {
    cProductivity productivity;
    productivity.FromIndex(pi);
    return productivity.Measure();
}

struct ConversionCase {
    double index;
    double measure;
};

TEST(ProductivityTest, IndexAndMeasureConvertByTheStaffingScale) {
    const ConversionCase cases[] = {
        {0, 600.61}, {1, 764.03}, {10, 6663.98}, {16, 28236.92}, {40, 9102321.13},
    };
    for (const ConversionCase& c : cases) {
        cProductivity fromIndex;
        fromIndex.FromIndex(c.index);
        EXPECT_NEAR(fromIndex.Measure(), c.measure, 0.005) << "PI " << c.index;
        EXPECT_FALSE(fromIndex.IsFromMeasure());
        cProductivity fromMeasure;
        fromMeasure.FromMeasure(fromIndex.Measure());
        EXPECT_NEAR(fromMeasure.Index(), c.index, 1e-9)
            << "PM of PI " << c.index << " gives it back";
        EXPECT_TRUE(fromMeasure.IsFromMeasure());
    }
}

TEST(ProductivityTest, MeasuresGiveFractionalIndexes) {
    const ConversionCase cases[] = {{16.0000, 28237}, {0.6363, 700}, {40.3908, 10000000}};
    for (const ConversionCase& c : cases) {
        cProductivity productivity;
        productivity.FromMeasure(c.measure);
        EXPECT_NEAR(productivity.Index(), c.index, 5e-5) << "PM " << c.measure;
        EXPECT_DOUBLE_EQ(productivity.Measure(), c.measure);
    }
    EXPECT_NEAR(MeasureOfIndex(1) / MeasureOfIndex(0), 1.27208, 1e-5) << "one PI step";
}

TEST(ProductivityTest, DefaultIsIndexZeroAndCopiesKeepTheForm) {
    cProductivity productivity;
    EXPECT_EQ(productivity.Index(), 0.0);
    EXPECT_NEAR(productivity.Measure(), 600.61, 0.005);
    EXPECT_FALSE(productivity.IsFromMeasure());
    productivity.FromMeasure(5000);
    cProductivity copy = productivity;
    EXPECT_TRUE(copy.IsFromMeasure());
    EXPECT_EQ(copy.Measure(), 5000);
}

struct MbiCase {
    double buildMonths;
    double sloc;
    double pm;
    double mbi;
    const char* level;
};

TEST(ComputeMbiTest, WorkedExamples) {
    const double pi16 = MeasureOfIndex(16);
    const MbiCase cases[] = {
        {15, 50000, pi16, -1.780, "<0"},       // SLOC 50000, TDEV 20, 75 %
        {9, 200000, pi16, 9.378, ">6"},        // SLOC 200000, TDEV 12, 75 %
        {0, 50000, pi16, 0.0, "0"},            // no schedule: no buildup at all
        {15, 50000, 0, 0.0, "0"},              // no productivity
        {15, -50000, pi16, -kInfinity, "<0"},  // a negative size reads as none
        {1.7e308, 50000, pi16, -std::numeric_limits<double>::max(), "<0"},  // buildup underflows
        {1e-300, 1e300, 1e-300, std::numeric_limits<double>::max(), ">6"},  // ... or overflows
    };
    for (const MbiCase& c : cases) {
        double mbi = ComputeMbi(c.buildMonths, c.sloc, c.pm);
        if (std::isfinite(c.mbi) && std::fabs(c.mbi) < 1e300) {
            EXPECT_NEAR(mbi, c.mbi, 5e-4) << c.buildMonths << " months, " << c.sloc << " SLOC";
        } else {
            EXPECT_EQ(mbi, c.mbi) << c.buildMonths << " months, " << c.sloc << " SLOC";
        }
        EXPECT_EQ(MbiLevelText(mbi), c.level);
    }
}

TEST(ComputeMbiTest, BuildupIsTheCubeOverTheFourthPower) {
    double years = 1.25;
    double quotient = 50000 / (MeasureOfIndex(16) * years);
    double buildup = quotient * quotient * quotient / std::pow(years, 4);
    EXPECT_NEAR(buildup, 1.1644, 5e-5);
    EXPECT_NEAR(ComputeMbi(15, 50000, MeasureOfIndex(16)), std::log2(buildup) - 2, 1e-12);
    EXPECT_EQ(ComputeMbi(15, 0, MeasureOfIndex(16)), -kInfinity) << "no size, no buildup";
}

TEST(MbiLevelTextTest, RoundsHalfAwayFromZero) {
    const std::pair<double, const char*> cases[] = {
        {6.49, "6"},
        {6.5, ">6"},
        {-0.49, "0"},
        {-0.5, "<0"},
        {0.5, "1"},
        {2.4999, "2"},
        {-kInfinity, "<0"},
        {kInfinity, ">6"},
        {1e300, ">6"},
        {-1e300, "<0"},
        {std::numeric_limits<double>::quiet_NaN(), "<0"},
    };
    for (const auto& [mbi, level] : cases) EXPECT_EQ(MbiLevelText(mbi), level) << mbi;
}

TEST(RoundingTest, HalfAwayFromZeroAndSaturatingInt) {
    EXPECT_EQ(RoundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(RoundHalfAwayFromZero(-2.5), -3);
    EXPECT_EQ(RoundHalfAwayFromZero(-0.76), -1);
    EXPECT_EQ(RoundToInt(10783.54), 10784);
    EXPECT_EQ(RoundToInt(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ReverseRelationsTest, EachRelationInvertsTheOthers) {
    const double pm = MeasureOfIndex(12);
    const double buildup = BuildupFromSizeAndSchedule(80000, 18, 75, pm);
    EXPECT_NEAR(MbiFromBuildup(buildup), ComputeMbi(18 * 0.75, 80000, pm), 1e-9);
    EXPECT_NEAR(ScheduleFromBuildup(80000, buildup, 75, pm), 18, 1e-9);
    EXPECT_NEAR(SizeFromBuildup(18, buildup, 75, pm), 80000, 1e-6);
    EXPECT_NEAR(BuildupFromMbi(MbiFromBuildup(buildup)), buildup, 1e-9);
    EXPECT_NEAR(
        MbiFromBuildup(BuildupFromSizeAndSchedule(160000, 18, 75, pm)) - MbiFromBuildup(buildup), 3,
        1e-9)
        << "twice the size is 2^3 times the buildup";
}

TEST(ReverseRelationsTest, ZeroInputsGiveZeroNotInfinity) {
    const double pm = MeasureOfIndex(12);
    const double results[] = {
        BuildupFromSizeAndSchedule(50000, 20, 0, pm),
        BuildupFromSizeAndSchedule(50000, 20, 75, 0),
        BuildupFromSizeAndSchedule(50000, 0, 75, pm),
        ScheduleFromBuildup(50000, 4, 0, pm),
        ScheduleFromBuildup(50000, 4, 75, 0),
        ScheduleFromBuildup(50000, 0, 75, pm),
        SizeFromBuildup(20, 4, 0, pm),
        SizeFromBuildup(20, 4, 75, 0),
        SizeFromBuildup(0, 4, 75, pm),
        MbiFromBuildup(0),
        BuildupFromMbi(5000),
        MbiFromBuildup(kInfinity),
    };
    for (double result : results) EXPECT_EQ(result, 0.0);
}

}  // namespace
}  // namespace korval
