#include <gtest/gtest.h>

#include <cmath>

#include "rayleigh/RayleighFormulas.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using testing::RayleighDocFixture;
using testing::TempDir;

double MeasureOfIndex(double pi) {
    cProductivity productivity;
    productivity.FromIndex(pi);
    return productivity.Measure();
}

class RayleighEngineTest : public RayleighDocFixture {};

TEST_F(RayleighEngineTest, ResetTakesTheDefaultsProfile) {
    cRayleighDoc doc(context);
    EXPECT_EQ(doc.GetApplicationTypes().Count(), 3);
    EXPECT_EQ(doc.GetSelectedApplication(), 0);
    EXPECT_EQ(doc.GetPiSensitivity(), 3) << "the selected type's standard deviation";
    EXPECT_EQ(doc.GetSourceLines(), 0);
    EXPECT_EQ(doc.GetSchedule(), 0);
    EXPECT_EQ(doc.GetBuildPhasePercentage(), 75);
    EXPECT_EQ(doc.GetSensitivityType(), RayleighSensitivityType::Sloc);
    EXPECT_TRUE(doc.IsSourceLinesEditable());
    EXPECT_TRUE(doc.IsScheduleEditable());
    EXPECT_EQ(doc.GetFilter(cModelDoc::kSensitivityAnalysisSwitch), FilterState::On);
    EXPECT_EQ(doc.ManpowerBuildupIndexRange(), RangedFigure{})
        << "a new document has no build time";
}

TEST_F(RayleighEngineTest, ResetWithoutATableSelectsTheBuiltInType) {
    TempDir::WriteFile(context.defaultsProfilePath, "[Filter_Values]\r\nTotals=ON\r\n");
    cRayleighDoc doc(context);
    ASSERT_EQ(doc.GetApplicationTypes().Count(), 1);
    EXPECT_EQ(doc.SelectedApplicationType()->Name(), "User specified system");
    EXPECT_EQ(doc.GetPiSensitivity(), 4);
}

TEST_F(RayleighEngineTest, ResetHonoursTheStoredSelectionOnlyInsideTheList) {
    std::string profile = TempDir::ReadFile(context.defaultsProfilePath);
    TempDir::WriteFile(context.defaultsProfilePath, profile + "[Application_Types]\r\n");
    cRayleighDoc first(context);
    EXPECT_EQ(first.GetSelectedApplication(), 0);

    cAppContext second{platform, dir.File("second.ini")};
    TempDir::WriteFile(second.defaultsProfilePath,
                       "[Application_Types]\r\nSelected_application=02\r\n" +
                           profile.substr(profile.find("Application_Type_Name00")));
    cRayleighDoc selected(second);
    EXPECT_EQ(selected.GetSelectedApplication(), 2);
    EXPECT_EQ(selected.GetPiSensitivity(), 4);
}

TEST_F(RayleighEngineTest, WorkedExamplesAtIndexSixteen) {
    cRayleighDoc doc(
        ContextWithTypes("Application_Type_Name00=Sixteen\r\nApplication_Type_User00=FALSE\r\n"
                         "Application_Type_Prod00=PI\r\nApplication_Type_Val00=16\r\n"
                         "Application_Type_SD00=4\r\n"));
    ASSERT_EQ(doc.SelectedApplicationType()->Name(), "Sixteen");
    struct Case {
        double sloc;
        double tdev;
        double build;
        double mbi;
        const char* level;
    };
    const Case cases[] = {
        {50000, 20, 15, -1.780, "<0"}, {200000, 12, 9, 9.378, ">6"}, {0, 20, 15, -INFINITY, "<0"}};
    for (const Case& c : cases) {
        doc.SetSourceLines(c.sloc);
        doc.SetSchedule(c.tdev);
        EXPECT_DOUBLE_EQ(doc.MainBuildPhaseTime(), c.build);
        RangedFigure mbi = doc.ManpowerBuildupIndexRange();
        if (std::isinf(c.mbi)) {
            EXPECT_EQ(mbi.value, c.mbi);
        } else {
            EXPECT_NEAR(mbi.value, c.mbi, 5e-4);
        }
        EXPECT_EQ(MbiLevelText(mbi.value), c.level);
        EXPECT_EQ(mbi, RangedFigure::Exact(mbi.value)) << "type SLOC at 0 %: no range";
    }
}

struct RangeCase {
    const char* what;
    RayleighSensitivityType type;
    double buildLow, buildHigh;  // main build phase time
    double slocLow, slocHigh;    // size behind the MBI range
    double pmLow, pmHigh;        // productivity behind the MBI range
};

TEST_F(RayleighEngineTest, EachSensitivityTypeVariesItsOwnInput) {
    cRayleighDoc doc(context);  // Business, PI 17
    doc.SetSourceLines(100000);
    doc.SetSchedule(20);
    doc.SetSourceLinesRange(80000, 130000);
    doc.SetScheduleRange(18, 25);
    const double pm = MeasureOfIndex(17);
    const RangeCase cases[] = {
        {"SLOC 10 %", RayleighSensitivityType::Sloc, 15, 15, 90000, 110000, pm, pm},
        {"TDEV 20 %", RayleighSensitivityType::Schedule, 12, 18, 100000, 100000, pm, pm},
        {"PM 30 %", RayleighSensitivityType::Measure, 15, 15, 100000, 100000, 0.7 * pm, 1.3 * pm},
        {"PI 3 steps", RayleighSensitivityType::Index, 15, 15, 100000, 100000, MeasureOfIndex(14),
         MeasureOfIndex(20)},
        {"project ranges", RayleighSensitivityType::ProjectRanges, 13.5, 18.75, 80000, 130000, pm,
         pm},
    };
    for (const RangeCase& c : cases) {
        doc.SetRayleighSensitivity(10, 20, 3, 30, c.type);
        RangedFigure build = doc.MainBuildPhaseTimeRange();
        EXPECT_DOUBLE_EQ(build.value, 15) << c.what;
        EXPECT_NEAR(build.low, c.buildLow, 1e-9) << c.what;
        EXPECT_NEAR(build.high, c.buildHigh, 1e-9) << c.what;
        RangedFigure mbi = doc.ManpowerBuildupIndexRange();
        EXPECT_NEAR(mbi.value, ComputeMbi(15, 100000, pm), 1e-12) << c.what;
        EXPECT_NEAR(mbi.low, ComputeMbi(c.buildHigh, c.slocLow, c.pmHigh), 1e-9) << c.what;
        EXPECT_NEAR(mbi.high, ComputeMbi(c.buildLow, c.slocHigh, c.pmLow), 1e-9) << c.what;
        EXPECT_LT(mbi.low, mbi.high) << c.what;
    }
}

TEST_F(RayleighEngineTest, LowEndsStopAtZero) {
    // PM 1000 is PI 2.118.
    cRayleighDoc doc(
        ContextWithTypes("Application_Type_Name00=Slow\r\nApplication_Type_User00=TRUE\r\n"
                         "Application_Type_Prod00=PM\r\nApplication_Type_Val00=1000\r\n"
                         "Application_Type_SD00=4\r\n"));
    const double index = doc.SelectedApplicationType()->Productivity().Index();
    ASSERT_NEAR(index, 2.118, 5e-4);
    doc.SetSourceLines(20000);
    doc.SetSchedule(24);
    doc.SetRayleighSensitivity(100, 100, 4, 0, RayleighSensitivityType::Index);
    RangedFigure mbi = doc.ManpowerBuildupIndexRange();
    EXPECT_NEAR(mbi.high, ComputeMbi(18, 20000, MeasureOfIndex(0)), 1e-9)
        << "PI 2.118 - 4 stops at 0";
    EXPECT_NEAR(mbi.low, ComputeMbi(18, 20000, MeasureOfIndex(index + 4)), 1e-9)
        << "the upper end is not capped";

    doc.SetSensitivityType(RayleighSensitivityType::Schedule);
    RangedFigure build = doc.MainBuildPhaseTimeRange();
    EXPECT_EQ(build.low, 0);
    EXPECT_EQ(build.high, 36);
    doc.SetSensitivityType(RayleighSensitivityType::Sloc);
    EXPECT_EQ(doc.ManpowerBuildupIndexRange().low, -INFINITY) << "no size at the low end";
}

TEST_F(RayleighEngineTest, SettersRefuseBadValuesQuietly) {
    cRayleighDoc doc(context);
    struct Case {
        double sloc, schedule;
        int steps, pm, type;
        double wantSloc, wantSchedule;
        int wantSteps, wantPm, wantType;
    };
    const Case cases[] = {
        {10, 20, 3, 40, 2, 10, 20, 3, 40, 2},
        {100, 100, 10, 100, 4, 100, 100, 10, 100, 4},
        {150, -1, 11, 101, 5, 0, 0, 0, 0, 0},
        {NAN, 50, -1, -5, -1, 0, 50, 0, 0, 0},
    };
    for (const Case& c : cases) {
        doc.SetRayleighSensitivity(c.sloc, c.schedule, c.steps, c.pm,
                                   static_cast<RayleighSensitivityType>(c.type));
        EXPECT_EQ(doc.GetSlocSensitivityPercent(), c.wantSloc);
        EXPECT_EQ(doc.GetScheduleSensitivityPercent(), c.wantSchedule);
        EXPECT_EQ(doc.GetPiSensitivity(), c.wantSteps);
        EXPECT_EQ(doc.GetPmSensitivityPercent(), c.wantPm);
        EXPECT_EQ(static_cast<int>(doc.GetSensitivityType()), c.wantType);
    }
    doc.SetSensitivityType(static_cast<RayleighSensitivityType>(7));
    EXPECT_EQ(doc.GetSensitivityType(), RayleighSensitivityType::Sloc);
    doc.SetSelectedApplication(3);
    EXPECT_EQ(doc.GetSelectedApplication(), 0) << "outside the list";
}

}  // namespace
}  // namespace korval

namespace korval {
namespace {

TEST_F(RayleighEngineTest, InitializeAsksAndResetsOnlyOnYes) {
    cRayleighDoc doc(context);
    doc.SetSourceLines(40000);
    doc.SetSelectedApplication(2);
    platform.ExpectMessage(MessageAnswer::No);
    EXPECT_FALSE(doc.OnInitialize());
    EXPECT_EQ(doc.GetSourceLines(), 40000);
    EXPECT_EQ(platform.Messages().back(),
              "All existing data for the Rayleigh model will be reset to their default "
              "values.\n\nContinue?");
    platform.ExpectMessage(MessageAnswer::Yes);
    EXPECT_TRUE(doc.OnInitialize());
    EXPECT_EQ(doc.GetSourceLines(), 0);
    EXPECT_EQ(doc.GetSelectedApplication(), 0);
    EXPECT_EQ(doc.GetPiSensitivity(), 3);
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korval
