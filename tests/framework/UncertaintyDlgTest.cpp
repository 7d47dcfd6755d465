#include <gtest/gtest.h>

#include "framework/cUncertaintyDlg.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using Area = cUncertaintyDlg::Focus::Area;

class UncertaintyDlgTest : public ::testing::Test {
  protected:
    testing::cScriptedPlatform platform;
    SimulationSettings run;
    cUncertaintyDlg dialog{platform, "COCOMO Uncertainty", run};
    int size = dialog.AddThreePoint("Source lines of code", std::nullopt);
    int spread = dialog.AddNumber("Model error spread", std::nullopt, 0, 2);

    void Size(const char* a, const char* m, const char* b) {
        dialog.SetThreePointText(size, cUncertaintyDlg::kOptimistic, a);
        dialog.SetThreePointText(size, cUncertaintyDlg::kMostLikely, m);
        dialog.SetThreePointText(size, cUncertaintyDlg::kPessimistic, b);
    }
};

TEST_F(UncertaintyDlgTest, StartsFromTheSettingsAndAcceptsThemUnchanged) {
    EXPECT_EQ(dialog.GetRunText(cUncertaintyDlg::kTrialsField), "10000");
    EXPECT_EQ(dialog.GetRunText(cUncertaintyDlg::kSeedField), "1");
    EXPECT_EQ(dialog.GetRunText(cUncertaintyDlg::kEffortTargetField), "");
    EXPECT_EQ(dialog.GetThreePointText(size, cUncertaintyDlg::kMostLikely), "");
    ASSERT_TRUE(dialog.OnOk());
    EXPECT_EQ(dialog.GetRun(), run);
    EXPECT_FALSE(dialog.GetThreePoint(size));
    EXPECT_FALSE(dialog.GetNumber(spread));
}

TEST_F(UncertaintyDlgTest, AcceptsWhatIsWellFormed) {
    Size("40000", " 50000 ", "90000");
    dialog.SetNumberText(spread, "0.25");
    dialog.SetRunText(cUncertaintyDlg::kTrialsField, "20000");
    dialog.SetRunText(cUncertaintyDlg::kSeedField, "42");
    dialog.SetRunText(cUncertaintyDlg::kEffortTargetField, "300");
    dialog.SetShape(ThreePointShape::Pert);
    ASSERT_TRUE(dialog.OnOk());
    EXPECT_EQ(dialog.GetThreePoint(size), (ThreePointEstimate{40000, 50000, 90000}));
    EXPECT_EQ(dialog.GetNumber(spread), 0.25);
    EXPECT_EQ(dialog.GetRun().trials, 20000);
    EXPECT_EQ(dialog.GetRun().seed, 42u);
    EXPECT_EQ(dialog.GetRun().targetEffort, 300);
    EXPECT_FALSE(dialog.GetRun().targetTime);
    EXPECT_EQ(dialog.GetRun().shape, ThreePointShape::Pert);
}

struct BadCase {
    const char* name;
    std::array<const char*, 3> size;
    const char* trials;
    const char* target;
    const char* spread;
    Area area;
    int part;
    const char* message;
};

TEST_F(UncertaintyDlgTest, RefusesBadSettingsNamingTheField) {
    const BadCase cases[] = {
        {"optimistic above pessimistic",
         {"900", "950", "500"},
         "10",
         "",
         "",
         Area::ThreePoint,
         cUncertaintyDlg::kPessimistic,
         "most likely value is above the pessimistic"},
        {"optimistic above most likely",
         {"900", "500", "1000"},
         "10",
         "",
         "",
         Area::ThreePoint,
         cUncertaintyDlg::kOptimistic,
         "optimistic value is above the most likely"},
        {"negative size",
         {"-5", "500", "1000"},
         "10",
         "",
         "",
         Area::ThreePoint,
         cUncertaintyDlg::kOptimistic,
         "cannot be below 0"},
        {"NaN text",
         {"nan", "500", "1000"},
         "10",
         "",
         "",
         Area::ThreePoint,
         cUncertaintyDlg::kOptimistic,
         "give all three values as numbers"},
        {"one value missing",
         {"100", "", "1000"},
         "10",
         "",
         "",
         Area::ThreePoint,
         cUncertaintyDlg::kMostLikely,
         "give all three values"},
        {"zero trials",
         {"", "", ""},
         "0",
         "",
         "",
         Area::Run,
         cUncertaintyDlg::kTrialsField,
         "at least 1"},
        {"a billion trials",
         {"", "", ""},
         "1000000000",
         "",
         "",
         Area::Run,
         cUncertaintyDlg::kTrialsField,
         "cannot exceed 1000000"},
        {"trials not a number",
         {"", "", ""},
         "1e4",
         "",
         "",
         Area::Run,
         cUncertaintyDlg::kTrialsField,
         "whole number"},
        {"negative target",
         {"", "", ""},
         "10",
         "-1",
         "",
         Area::Run,
         cUncertaintyDlg::kEffortTargetField,
         "cannot be below 0"},
        {"NaN target",
         {"", "", ""},
         "10",
         "nan",
         "",
         Area::Run,
         cUncertaintyDlg::kEffortTargetField,
         "must be a number"},
        {"spread out of range", {"", "", ""}, "10", "", "3", Area::Number, 0, "from 0 to 2"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing::cScriptedPlatform local;
        cUncertaintyDlg bad(local, "COCOMO Uncertainty", run);
        int row = bad.AddThreePoint("Source lines of code", std::nullopt);
        bad.AddNumber("Model error spread", std::nullopt, 0, 2);
        for (int part = 0; part < 3; ++part)
            bad.SetThreePointText(row, part, c.size[static_cast<std::size_t>(part)]);
        bad.SetRunText(cUncertaintyDlg::kTrialsField, c.trials);
        bad.SetRunText(cUncertaintyDlg::kEffortTargetField, c.target);
        bad.SetNumberText(0, c.spread);
        local.ExpectMessage();
        EXPECT_FALSE(bad.OnOk());
        ASSERT_EQ(local.Messages().size(), 1u);
        EXPECT_NE(local.Messages().front().find(c.message), std::string::npos)
            << local.Messages().front();
        EXPECT_EQ(bad.GetFocus().area, c.area);
        EXPECT_EQ(c.area == Area::Run ? bad.GetFocus().row : bad.GetFocus().part, c.part);
    }
}

}  // namespace
}  // namespace korval
