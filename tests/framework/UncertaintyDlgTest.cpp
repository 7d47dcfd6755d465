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

// Every target reads alike: empty is no target, a number not below 0 is the target, and
// anything else is refused naming that target.
TEST(UncertaintyTargets, EachTargetIsCheckedAndNamedAlike) {
    struct TargetCase {
        int field;
        const char* text;
        std::optional<double> accepted;
        const char* message;  // nullptr when accepted
    };
    using Dlg = cUncertaintyDlg;
    const TargetCase cases[] = {
        {Dlg::kEffortTargetField, "300", 300, nullptr},
        {Dlg::kEffortTargetField, " ", std::nullopt, nullptr},
        {Dlg::kEffortTargetField, "-1", std::nullopt, "The effort target cannot be below 0."},
        {Dlg::kTimeTargetField, "18.5", 18.5, nullptr},
        {Dlg::kTimeTargetField, "inf", std::nullopt, "The time target must be a number."},
        {Dlg::kCostTargetField, "1500000", 1500000, nullptr},
        {Dlg::kCostTargetField, "", std::nullopt, nullptr},
        {Dlg::kCostTargetField, "0", 0, nullptr},
        {Dlg::kCostTargetField, "-0.5", std::nullopt, "The cost target cannot be below 0."},
        {Dlg::kCostTargetField, "nan", std::nullopt, "The cost target must be a number."},
        {Dlg::kCostTargetField, "2e6", 2000000, nullptr},
        {Dlg::kCostTargetField, "1,000", std::nullopt, "The cost target must be a number."},
    };
    std::optional<double> SimulationSettings::*members[] = {
        nullptr, nullptr, &SimulationSettings::targetEffort, &SimulationSettings::targetTime,
        &SimulationSettings::targetCost};
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " '" + c.text + "'");
        testing::cScriptedPlatform platform;
        SimulationSettings run;
        run.targetEffort = 10;
        run.targetTime = 10;
        run.targetCost = 10;
        cUncertaintyDlg dialog(platform, "Project Uncertainty", run);
        dialog.OfferCostTarget("EUR");
        dialog.SetRunText(c.field, c.text);
        if (c.message) {
            platform.ExpectMessage();
            EXPECT_FALSE(dialog.OnOk());
            ASSERT_EQ(platform.Messages().size(), 1u);
            EXPECT_EQ(platform.Messages().front(), c.message);
            EXPECT_EQ(dialog.GetFocus().area, Area::Run);
            EXPECT_EQ(dialog.GetFocus().row, c.field);
            continue;
        }
        ASSERT_TRUE(dialog.OnOk());
        EXPECT_EQ(dialog.GetRun().*members[c.field], c.accepted);
    }
}

TEST(UncertaintyTargets, CostTargetShowsOnlyWhenOfferedAndOtherwiseKeepsTheFilesValue) {
    testing::cScriptedPlatform platform;
    SimulationSettings run;
    run.targetCost = 250000;
    cUncertaintyDlg unpriced(platform, "Function Point Uncertainty", run);
    EXPECT_FALSE(unpriced.HasRunField(cUncertaintyDlg::kCostTargetField));
    EXPECT_EQ(unpriced.RunFieldLabel(cUncertaintyDlg::kCostTargetField), "");
    unpriced.SetRunText(cUncertaintyDlg::kCostTargetField, "nan");  // not shown: not checked
    ASSERT_TRUE(unpriced.OnOk());
    EXPECT_EQ(unpriced.GetRun().targetCost, 250000);

    cUncertaintyDlg priced(platform, "COCOMO Uncertainty", run);
    priced.OfferCostTarget("EUR");
    EXPECT_TRUE(priced.HasRunField(cUncertaintyDlg::kCostTargetField));
    EXPECT_EQ(priced.GetRunText(cUncertaintyDlg::kCostTargetField), "250000");
    EXPECT_EQ(priced.RunFieldLabel(cUncertaintyDlg::kCostTargetField), "Cost target (EUR):");
    cUncertaintyDlg noCurrency(platform, "COCOMO Uncertainty", run);
    noCurrency.OfferCostTarget("");
    EXPECT_EQ(noCurrency.RunFieldLabel(cUncertaintyDlg::kCostTargetField), "Cost target:");
}

// A driver rated Very Low to Very High (no Extra High), as the cost driver table defines it.
class RatingRangeDlgTest : public ::testing::Test {
  protected:
    testing::cScriptedPlatform platform;
    cUncertaintyDlg dialog{platform, "COCOMO Uncertainty", SimulationSettings{}};
    int lowest = dialog.AddNumber("Lowest total degree of influence", std::nullopt, 0, 70);
    int highest = dialog.AddNumber("Highest total degree of influence", std::nullopt, 0, 70);
    int rely =
        dialog.AddRatingRange("RELY Required Software Reliability", "Nominal",
                              {"Very Low", "Low", "Nominal", "High", "Very High", "Extra High"},
                              {true, true, true, true, true, false}, std::nullopt);

    RatingRangeDlgTest() { dialog.PairAsRange(lowest, highest, "Total degree of influence"); }
};

TEST_F(RatingRangeDlgTest, OffersTheDriversRatingsAndAcceptsARangeOrNone) {
    EXPECT_EQ(dialog.RatingRangeLabel(rely), "RELY Required Software Reliability");
    EXPECT_EQ(dialog.CurrentRating(rely), "Nominal");
    EXPECT_EQ(dialog.RatingChoices(rely), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(dialog.RatingName(rely, 4), "Very High");
    ASSERT_TRUE(dialog.OnOk());
    EXPECT_FALSE(dialog.GetRatingRange(rely));
    EXPECT_FALSE(dialog.GetNumber(lowest));

    dialog.SetRangeEnd(rely, cUncertaintyDlg::kLowestEnd, 1);
    dialog.SetRangeEnd(rely, cUncertaintyDlg::kHighestEnd, 1);
    dialog.SetNumberText(lowest, "30");
    dialog.SetNumberText(highest, "30");
    ASSERT_TRUE(dialog.OnOk());
    EXPECT_EQ(dialog.GetRatingRange(rely), (RatingRange{1, 1}));
    EXPECT_EQ(dialog.GetNumber(highest), 30);

    dialog.SetRangeEnd(rely, cUncertaintyDlg::kLowestEnd, cUncertaintyDlg::kNoRating);
    dialog.SetRangeEnd(rely, cUncertaintyDlg::kHighestEnd, cUncertaintyDlg::kNoRating);
    ASSERT_TRUE(dialog.OnOk());
    EXPECT_FALSE(dialog.GetRatingRange(rely));
}

TEST(RatingRangeDlg, ARatingFromTheFileThatTheDriverLacksShowsUntilOkRefusesIt) {
    testing::cScriptedPlatform platform;
    cUncertaintyDlg dialog{platform, "COCOMO Uncertainty", SimulationSettings{}};
    int row =
        dialog.AddRatingRange("SCED Required Development Schedule", "Nominal",
                              {"Very Low", "Low", "Nominal", "High", "Very High", "Extra High"},
                              {true, true, true, true, true, false}, RatingRange{2, 5});
    EXPECT_EQ(dialog.RatingChoices(row), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(dialog.GetRangeEnd(row, cUncertaintyDlg::kHighestEnd), 5);
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
    EXPECT_EQ(platform.Messages().back(),
              "SCED Required Development Schedule has no Extra High rating.");
}

struct RangeCase {
    const char* name;
    const char* lowest;
    const char* highest;
    int lowestRating;
    int highestRating;
    Area area;
    int row;   // the number row, or the rating range row (0)
    int part;  // the range end of a rating range
    const char* message;
};

TEST_F(RatingRangeDlgTest, RefusesARangeGivenByOneEndOutOfOrderOrOfAMissingRating) {
    constexpr int kNone = cUncertaintyDlg::kNoRating;
    constexpr int kLow = cUncertaintyDlg::kLowestEnd;
    constexpr int kHigh = cUncertaintyDlg::kHighestEnd;
    const RangeCase cases[] = {
        {"influence lowest only", "30", "", kNone, kNone, Area::Number, 1, 0,
         "Total degree of influence: give both the lowest and the highest value, or neither."},
        {"influence highest only", "", "40", kNone, kNone, Area::Number, 0, 0,
         "Total degree of influence: give both the lowest and the highest value, or neither."},
        {"influence out of order", "50", "40", kNone, kNone, Area::Number, 0, 0,
         "Total degree of influence: the lowest value is above the highest one."},
        {"influence beyond 70", "30", "71", kNone, kNone, Area::Number, 1, 0,
         "Highest total degree of influence must be a number from 0 to 70, or empty."},
        {"driver lowest only", "", "", 1, kNone, Area::RatingRange, 0, kHigh,
         "RELY Required Software Reliability: choose both the lowest and the highest rating, "
         "or neither."},
        {"driver highest only", "", "", kNone, 3, Area::RatingRange, 0, kLow,
         "RELY Required Software Reliability: choose both the lowest and the highest rating, "
         "or neither."},
        {"driver out of order", "", "", 4, 1, Area::RatingRange, 0, kLow,
         "RELY Required Software Reliability: the lowest rating (Very High) is above the "
         "highest (Low)."},
        {"driver lacks the rating", "", "", 2, 5, Area::RatingRange, 0, kHigh,
         "RELY Required Software Reliability has no Extra High rating."},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing::cScriptedPlatform local;
        cUncertaintyDlg bad(local, "COCOMO Uncertainty", SimulationSettings{});
        int low = bad.AddNumber("Lowest total degree of influence", std::nullopt, 0, 70);
        int high = bad.AddNumber("Highest total degree of influence", std::nullopt, 0, 70);
        bad.PairAsRange(low, high, "Total degree of influence");
        int driver =
            bad.AddRatingRange("RELY Required Software Reliability", "Nominal",
                               {"Very Low", "Low", "Nominal", "High", "Very High", "Extra High"},
                               {true, true, true, true, true, false}, std::nullopt);
        bad.SetNumberText(low, c.lowest);
        bad.SetNumberText(high, c.highest);
        bad.SetRangeEnd(driver, kLow, c.lowestRating);
        bad.SetRangeEnd(driver, kHigh, c.highestRating);
        local.ExpectMessage();
        EXPECT_FALSE(bad.OnOk());
        ASSERT_EQ(local.Messages().size(), 1u);
        EXPECT_EQ(local.Messages().front(), c.message);
        EXPECT_EQ(bad.GetFocus().area, c.area);
        EXPECT_EQ(bad.GetFocus().row, c.row);
        EXPECT_EQ(bad.GetFocus().part, c.part);
    }
}

}  // namespace
}  // namespace korval
