#include "cocomo/cCocomoAttributesDlg.h"
#include "cocomo/cCocomoSensitivityDlg.h"
#include "cocomo/cCostDriverDlg.h"
#include "framework/NumberText.h"
#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

using Dialogs = CocomoTest;
using Strings = std::vector<std::string>;

// --- Sensitivity Adjustments -----------------------------------------------------------

TEST_F(Dialogs, SensitivityEnablesOnlyTheFieldOfTheType) {
    cCocomoSensitivityDlg dlg(platform, 10, 20, 30, CocomoSensitivityType::NominalEffort);
    EXPECT_EQ(dlg.GetSelectedType(), CocomoSensitivityType::NominalEffort);
    EXPECT_FALSE(dlg.IsFieldEnabled(cCocomoSensitivityDlg::kSlocField));
    EXPECT_TRUE(dlg.IsFieldEnabled(cCocomoSensitivityDlg::kNominalField));
    EXPECT_FALSE(dlg.IsFieldEnabled(cCocomoSensitivityDlg::kAdjustedField));
    EXPECT_EQ(dlg.GetFocusField(), cCocomoSensitivityDlg::kNominalField);
    EXPECT_EQ(dlg.GetFieldText(cCocomoSensitivityDlg::kAdjustedField), "30");
    dlg.OnRadioType(CocomoSensitivityType::AdjustedEffort);
    EXPECT_FALSE(dlg.IsFieldEnabled(cCocomoSensitivityDlg::kNominalField));
    EXPECT_TRUE(dlg.IsFieldEnabled(cCocomoSensitivityDlg::kAdjustedField));
    EXPECT_EQ(dlg.GetFocusField(), cCocomoSensitivityDlg::kAdjustedField);
}

TEST_F(Dialogs, SensitivityOkChecksEveryFieldInOrder) {
    struct Case {
        int field;
        const char* text;
        const char* message;
    };
    for (Case c : {Case{cCocomoSensitivityDlg::kNominalField, "150",
                        "Please enter a number between 0 and 100."},
                   Case{cCocomoSensitivityDlg::kSlocField, "150",
                        "Please enter a number between 0 and 100."},
                   Case{cCocomoSensitivityDlg::kAdjustedField, "-0.5",
                        "Please enter a number between 0 and 100."},
                   Case{cCocomoSensitivityDlg::kAdjustedField, "ten", "Please enter a number."},
                   Case{cCocomoSensitivityDlg::kSlocField, "", "Please enter a number."},
                   Case{cCocomoSensitivityDlg::kSlocField, "12%", "Please enter a number."}}) {
        cScriptedPlatform local;
        cCocomoSensitivityDlg dlg(local, 0, 0, 0, CocomoSensitivityType::NominalEffort);
        dlg.SetFieldText(c.field, c.text);
        local.ExpectMessage();
        EXPECT_FALSE(dlg.OnOk()) << c.text;
        EXPECT_EQ(local.Messages(), Strings{c.message});
        EXPECT_EQ(dlg.GetFocusField(), c.field);
    }
    cCocomoSensitivityDlg dlg(platform, 0, 0, 0, CocomoSensitivityType::Sloc);
    dlg.SetFieldText(cCocomoSensitivityDlg::kSlocField, " 12.5 ");
    dlg.SetFieldText(cCocomoSensitivityDlg::kAdjustedField, "100");
    dlg.OnRadioType(CocomoSensitivityType::AdjustedEffort);
    EXPECT_TRUE(dlg.OnOk());
    EXPECT_EQ(dlg.GetPercent(cCocomoSensitivityDlg::kSlocField), 12.5);
    EXPECT_EQ(dlg.GetPercent(cCocomoSensitivityDlg::kAdjustedField), 100);
    EXPECT_EQ(dlg.GetType(), CocomoSensitivityType::AdjustedEffort);
}

// --- COCOMO Attributes -------------------------------------------------------------------

TEST_F(Dialogs, AttributesAlwaysSelectIntermediate) {
    cCocomoAttributesDlg dlg(platform, DevelopmentMode::Embedded, 42000, true);
    EXPECT_EQ(dlg.GetSelectedModel(), ModelType::Intermediate);
    EXPECT_FALSE(dlg.IsModelRadioEnabled(ModelType::Basic));
    EXPECT_FALSE(dlg.IsModelRadioEnabled(ModelType::Advanced));
    dlg.OnRadioModel(ModelType::Advanced);
    EXPECT_EQ(dlg.GetSelectedModel(), ModelType::Intermediate);
    EXPECT_EQ(dlg.GetSelectedMode(), DevelopmentMode::Embedded);
    EXPECT_EQ(dlg.GetSourceLinesText(), "42000");
    dlg.OnRadioMode(DevelopmentMode::Organic);
    ASSERT_TRUE(dlg.OnOk());
    EXPECT_EQ(dlg.GetMode(), DevelopmentMode::Organic);
    EXPECT_EQ(dlg.GetModelType(), ModelType::Intermediate);
    EXPECT_EQ(dlg.GetSourceLines(), 42000);
}

TEST_F(Dialogs, AttributesSizeLimits) {
    struct Case {
        const char* text;
        const char* message;
        double accepted;
    };
    for (Case c :
         {Case{"1e9", "Please enter a number between 0 and 999999999.", 0},
          Case{"-1", "Please enter a number between 0 and 999999999.", 0},
          Case{"", "Please enter a number.", 0}, Case{"12 000", "Please enter a number.", 0},
          Case{"999999999", nullptr, 999999999}, Case{" 0 ", nullptr, 0},
          Case{"1234.5", nullptr, 1234.5}}) {
        cScriptedPlatform local;
        cCocomoAttributesDlg dlg(local, DevelopmentMode::Semidetached, 100, true);
        dlg.SetSourceLinesText(c.text);
        if (c.message) local.ExpectMessage();
        EXPECT_EQ(dlg.OnOk(), c.message == nullptr) << c.text;
        if (c.message) {
            EXPECT_EQ(local.Messages(), Strings{c.message});
            EXPECT_TRUE(dlg.IsSourceLinesFocused());
        } else {
            EXPECT_EQ(dlg.GetSourceLines(), c.accepted);
        }
    }
}

TEST_F(Dialogs, AttributesInsideAProjectKeepTheSize) {
    cCocomoAttributesDlg dlg(platform, DevelopmentMode::Semidetached, 54321.5, false);
    EXPECT_FALSE(dlg.IsSourceLinesEnabled());
    dlg.SetSourceLinesText("1");
    EXPECT_EQ(dlg.GetSourceLinesText(), "54321.5");
    ASSERT_TRUE(dlg.OnOk());
    EXPECT_EQ(dlg.GetSourceLines(), 54321.5);
}

TEST_F(Dialogs, AttributesWithAnUnknownModeOrNegativeSize) {
    cCocomoAttributesDlg dlg(platform, static_cast<DevelopmentMode>(9), -300, true);
    EXPECT_EQ(dlg.GetSelectedMode(), std::nullopt);
    EXPECT_EQ(dlg.GetSourceLinesText(), "0");
    ASSERT_TRUE(dlg.OnOk());
    EXPECT_EQ(dlg.GetMode(), static_cast<DevelopmentMode>(9));  // no radio selected: it stays
}

// --- Cost Driver Attributes ----------------------------------------------------------------

std::vector<cCostDriverAttribute> SampleAttributes() {
    return {
        cCostDriverAttribute("Product_CDA_Group", "Data", {0, 0.94, 1.00, 1.08, 1.16, 0}),
        cCostDriverAttribute("Product_CDA_Group", "Data Base Size", {0, 0.90, 1.00, 1.10, 0, 0}),
        cCostDriverAttribute("Hardware_CDA_Group", "TIME", {0, 0, 1.00, 1.11, 1.30, 1.66}),
        cCostDriverAttribute("Hardware_CDA_Group", "STOR", {0, 0, 1.00, 1.06, 1.21, 1.56}),
        cCostDriverAttribute("Personnel_CDA_Group", "ACAP", {1.46, 1.19, 1.00, 0.86, 0.71, 0})};
}

TEST_F(Dialogs, CostDriverListOpensOnAll) {
    cCostDriverDlg dlg(SampleAttributes());
    EXPECT_EQ(dlg.GetGroupChoice(), cCostDriverDlg::kAllGroups);
    EXPECT_EQ(dlg.GetRows(), (Strings{"Nominal   \tData", "Nominal   \tData Base Size",
                                      "Nominal   \tTIME", "Nominal   \tSTOR", "Nominal   \tACAP"}));
    EXPECT_EQ(dlg.GetSelectedRow(), 0);
    EXPECT_TRUE(dlg.IsRatingChecked(kNominal));
    EXPECT_FALSE(dlg.IsRatingEnabled(kVeryLow));
    EXPECT_TRUE(dlg.IsRatingEnabled(kVeryHigh));
    EXPECT_FALSE(dlg.IsRatingEnabled(kExtraHigh));
    EXPECT_FALSE(dlg.IsGroupChoiceEnabled(cCostDriverDlg::kUserDefinedGroup));
    EXPECT_STREQ(cCostDriverDlg::GroupLabel(cCostDriverDlg::kUserDefinedGroup), "User Defined");
}

TEST_F(Dialogs, CostDriverRowChangesTheAttributeAtItsPosition) {
    cCostDriverDlg dlg(SampleAttributes());
    dlg.OnSelectRow(1);  // "Data Base Size": the earlier "Data" is part of its name
    EXPECT_FALSE(dlg.IsRatingEnabled(kVeryHigh));
    dlg.OnRating(kHigh);
    EXPECT_EQ(dlg.GetAttributes()[0].GetRating(), kNominal);
    EXPECT_EQ(dlg.GetAttributes()[1].GetRating(), kHigh);
    EXPECT_EQ(dlg.GetRows()[1], "High      \tData Base Size");
    EXPECT_EQ(dlg.GetSelectedRow(), 1);
    EXPECT_TRUE(dlg.IsRatingChecked(kHigh));
    EXPECT_FALSE(dlg.IsRatingChecked(kNominal));
}

// Each rating shows the multiplier it gives the selected attribute, and the factor of all
// attributes follows every click.
TEST_F(Dialogs, CostDriverRatingsShowTheirMultipliersAndTheFactorFollows) {
    cCostDriverDlg dlg(SampleAttributes());
    EXPECT_EQ(dlg.FactorText(), "Effort Adjustment Factor: 1.00");
    EXPECT_EQ(dlg.RatingRadioText(kVeryLow), "Very Low") << "not defined for Data";
    EXPECT_EQ(dlg.RatingRadioText(kLow), "Low (0.94)");
    EXPECT_EQ(dlg.RatingRadioText(kVeryHigh), "Very High (1.16)");
    dlg.OnRating(kVeryHigh);
    dlg.OnSelectRow(4);
    EXPECT_EQ(dlg.RatingRadioText(kVeryLow), "Very Low (1.46)");
    dlg.OnRating(kHigh);
    EXPECT_EQ(dlg.FactorText(), FormatNumber("Effort Adjustment Factor: %.2f", 1.16 * 0.86));
}

TEST_F(Dialogs, CostDriverGroupsRememberTheirRows) {
    cCostDriverDlg dlg(SampleAttributes());
    dlg.OnSelectRow(4);
    dlg.OnGroupChoice(cCostDriverDlg::kHardwareGroup);
    EXPECT_EQ(dlg.GetRows(), (Strings{"Nominal   \tTIME", "Nominal   \tSTOR"}));
    EXPECT_EQ(dlg.GetSelectedRow(), 0);
    dlg.OnSelectRow(1);
    dlg.OnRating(kExtraHigh);
    EXPECT_EQ(dlg.GetAttributes()[3].GetCurrentMultiplier(), 1.56);
    dlg.OnGroupChoice(cCostDriverDlg::kAllGroups);
    EXPECT_EQ(dlg.GetSelectedRow(), 4);
    EXPECT_TRUE(dlg.IsRatingEnabled(kVeryLow));
    dlg.OnGroupChoice(cCostDriverDlg::kHardwareGroup);
    EXPECT_EQ(dlg.GetSelectedRow(), 1);
    EXPECT_TRUE(dlg.IsRatingChecked(kExtraHigh));
    dlg.OnGroupChoice(cCostDriverDlg::kUserDefinedGroup);  // never offered
    EXPECT_EQ(dlg.GetGroupChoice(), cCostDriverDlg::kHardwareGroup);
}

TEST_F(Dialogs, CostDriverEmptyGroupSelectsNothing) {
    cCostDriverDlg dlg(SampleAttributes());
    dlg.OnGroupChoice(cCostDriverDlg::kProjectGroup);
    EXPECT_TRUE(dlg.GetRows().empty());
    EXPECT_EQ(dlg.GetSelectedRow(), cCostDriverDlg::kNoRow);
    for (int rating = 0; rating < kRatingCount; ++rating) EXPECT_FALSE(dlg.IsRatingChecked(rating));
    dlg.OnRating(kNominal);  // nothing to rate
    EXPECT_EQ(dlg.GetAttributes()[0].GetRating(), kNominal);
}

TEST_F(Dialogs, CostDriverUndefinedRatingShowsAQuestionMark) {
    cCostDriverAttribute odd("Product_CDA_Group", "ODD", {0, 0.9, 0, 1.1, 0, 0});
    cCostDriverDlg dlg({odd});
    EXPECT_EQ(dlg.GetRows()[0], "?       \tODD");
    for (int rating = 0; rating < kRatingCount; ++rating) EXPECT_FALSE(dlg.IsRatingChecked(rating));
    dlg.OnRating(kNominal);  // not defined: disabled
    EXPECT_EQ(dlg.GetRows()[0], "?       \tODD");
    dlg.OnRating(kLow);
    EXPECT_EQ(dlg.GetRows()[0], "Low       \tODD");
}

TEST_F(Dialogs, CostDriverRatingChangeKeepsTheScrollPosition) {
    cCostDriverDlg dlg(SampleAttributes());
    dlg.SetTopRow(2);
    dlg.OnSelectRow(3);
    dlg.OnRating(kHigh);
    EXPECT_EQ(dlg.GetTopRow(), 2);
    dlg.OnGroupChoice(cCostDriverDlg::kProductGroup);
    EXPECT_EQ(dlg.GetTopRow(), 0);
}

}  // namespace
}  // namespace korval::testing
