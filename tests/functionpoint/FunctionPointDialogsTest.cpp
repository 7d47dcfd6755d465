#include <gtest/gtest.h>

#include "functionpoint/cFpReverseDlg.h"
#include "functionpoint/cFpSensitivityDlg.h"
#include "functionpoint/cFunctionPointCountDlg.h"
#include "functionpoint/cValueAdjustmentDlg.h"
#include "tests/functionpoint/FpTestSupport.h"

namespace korval {
namespace {

using testing::FpFixture;
using testing::SetCounts;
using testing::SetRatingSum;

class FpDialogTest : public ::testing::Test, public FpFixture {
  protected:
    cFunctionPointDoc doc{context};

    cFunctionPointCountDlg CountDialog() {
        return cFunctionPointCountDlg(platform, doc.GetFunctionCounts(), doc.GetSelectedLanguage(),
                                      doc.GetLanguageTable());
    }
};

// --- Function Point Count ------------------------------------------------------------

TEST_F(FpDialogTest, CountDialogTotalsOnEveryFocusChange) {
    cFunctionPointCountDlg dialog = CountDialog();
    EXPECT_EQ(dialog.GetTotalText(), "0") << "totals show 0 until the first recalculation";
    for (int cell = 0; cell < kFunctionCellCount; ++cell) dialog.SetCountText(cell, "1");
    EXPECT_TRUE(dialog.OnFocusEnter(cFunctionPointCountDlg::kLanguageField));
    const char* expected[] = {"13", "16", "32", "22", "13"};
    for (int type = 0; type < kFunctionTypeCount; ++type) {
        EXPECT_EQ(dialog.GetTypeTotalText(static_cast<FunctionType>(type)), expected[type]);
    }
    EXPECT_EQ(dialog.GetTotalText(), "96");
}

TEST_F(FpDialogTest, CountOutsideItsRangeIsReportedOnceAndChangesNoTotal) {
    cFunctionPointCountDlg dialog = CountDialog();
    dialog.SetCountText(0, "2");
    ASSERT_TRUE(dialog.OnFocusEnter(1));
    dialog.SetCountText(1, "12000");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnFocusEnter(2));
    EXPECT_EQ(platform.Messages().back(), "Please enter an integer between 0 and 9999.");
    EXPECT_EQ(dialog.GetFocusField(), 1);
    EXPECT_EQ(dialog.GetTotalText(), "6");
    EXPECT_FALSE(dialog.OnFocusEnter(1)) << "returning to the field is not reported again";
    EXPECT_EQ(platform.Messages().size(), 1u);
    dialog.SetCountText(1, "x");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
    EXPECT_EQ(platform.Messages().back(), "Please enter an integer.");
    dialog.SetCountText(1, " 3 ");
    EXPECT_TRUE(dialog.OnFocusEnter(2));
    EXPECT_EQ(dialog.GetTotalText(), "18");
}

TEST_F(FpDialogTest, LanguageListIsSortedAndSelectsByPrefix) {
    doc.SetSelectedLanguage(cLanguage("j", 53));
    cFunctionPointCountDlg dialog = CountDialog();
    EXPECT_EQ(dialog.GetLanguageList(), (std::vector<std::string>{"Ada 95", "C", "Java", "None"}));
    ASSERT_EQ(dialog.GetLanguageItems().size(), 4u);
    EXPECT_EQ(dialog.GetLanguageItems()[2].rfind("Java  (", 0), 0u);
    EXPECT_EQ(dialog.GetLanguageItems()[2].substr(dialog.GetLanguageItems()[2].size() - 9),
              " SLOC/FP)");
    EXPECT_EQ(dialog.GetLanguageText(), "Java") << "the first entry that begins with the name";
    doc.SetSelectedLanguage(cLanguage("Pascal", 91));
    EXPECT_EQ(CountDialog().GetLanguageSelection(), -1);
}

TEST_F(FpDialogTest, OkTakesCountsAndTheTableMultiplierOfTheChosenLanguage) {
    doc.SetSelectedLanguage(cLanguage("Java", 60));
    cFunctionPointCountDlg dialog = CountDialog();
    dialog.SetCountText(0, "4");
    dialog.SelectLanguage(1);  // "C"
    ASSERT_TRUE(dialog.OnOk());
    EXPECT_EQ(dialog.GetFunctionCounts()[0], cFunctionCount(4, 3));
    EXPECT_EQ(dialog.GetSelectedLanguage(), cLanguage("C", 128));
    dialog.SelectLanguage(-1);
    ASSERT_TRUE(dialog.OnOk());
    EXPECT_EQ(dialog.GetSelectedLanguage(), cLanguage("None", 0)) << "no entry selected gives None";
}

TEST_F(FpDialogTest, TableWithoutEntriesOffersNone) {
    cFunctionPointCountDlg dialog(platform, doc.GetFunctionCounts(), cLanguage("None", 0),
                                  cLanguageTable());
    EXPECT_EQ(dialog.GetLanguageList(), std::vector<std::string>{"None"});
    EXPECT_EQ(dialog.GetLanguageSelection(), 0);
}

TEST_F(FpDialogTest, CountCommandCopiesBackOnOkOnly) {
    platform.ExpectDialogCancel();
    EXPECT_FALSE(doc.OnFunctionPointCount());
    EXPECT_FALSE(doc.IsModified());
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cFunctionPointCountDlg&>(logic);
        EXPECT_STREQ(dialog.Title(), "Function Point Count");
        EXPECT_EQ(dialog.HelpTopic(), 34);
        dialog.SetCountText(3, "7");
        dialog.SelectLanguage(2);
        return dialog.OnOk();
    });
    EXPECT_TRUE(doc.OnFunctionPointCount());
    EXPECT_EQ(doc.GetFunctionCount(3).GetCount(), 7);
    EXPECT_EQ(doc.GetSelectedLanguage(), cLanguage("Java", 53));
    EXPECT_DOUBLE_EQ(doc.SourceLinesOfCode(), 53 * 0.65 * 28);
    EXPECT_TRUE(doc.IsModified());
}

// --- Value Adjustment Factor ---------------------------------------------------------

TEST_F(FpDialogTest, RatingsOutsideTheScaleOpenAsNoneAndStoreZero) {
    doc.SetRating(0, 7);
    doc.SetRating(1, -1);
    doc.SetRating(2, 5);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cValueAdjustmentDlg&>(logic);
        EXPECT_EQ(dialog.GetSelection(0), 0);
        EXPECT_EQ(dialog.GetSelection(1), 0);
        EXPECT_EQ(dialog.GetSelection(2), 5);
        EXPECT_STREQ(dialog.RowLabel(9), "Reuseability:");
        EXPECT_STREQ(dialog.RatingLabel(4), "Significant");
        EXPECT_EQ(dialog.TotalText(),
                  "Total Degree of Influence: 5    Value Adjustment Factor: 0.70");
        dialog.Select(3, 4);
        dialog.Select(4, 6);  // no such button
        EXPECT_EQ(dialog.TotalDegreeOfInfluence(), 9) << "running as the user clicks";
        EXPECT_EQ(dialog.TotalText(),
                  "Total Degree of Influence: 9    Value Adjustment Factor: 0.74");
        return dialog.OnOk();
    });
    EXPECT_TRUE(doc.OnValueAdjustmentFactor());
    EXPECT_EQ(doc.GetRatings(),
              (cFunctionPointDoc::Ratings{0, 0, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FpDialogTest, CancelledValueAdjustmentKeepsEverything) {
    doc.SetRating(0, 7);
    platform.ExpectDialog([](cDialogLogic& logic) {
        dynamic_cast<cValueAdjustmentDlg&>(logic).Select(0, 3);
        return false;
    });
    EXPECT_FALSE(doc.OnValueAdjustmentFactor());
    EXPECT_EQ(doc.GetRating(0), 7);
    EXPECT_FALSE(doc.IsModified());
}

// --- Sensitivity ---------------------------------------------------------------------

TEST_F(FpDialogTest, SensitivityRadioEnablesOnlyItsFields) {
    FpSensitivitySettings settings;
    settings.type = SensitivityType::INTERM_TOT;
    cFpSensitivityDlg dialog(platform, settings);
    auto enabledFields = [&] {
        std::vector<int> fields;
        for (int field = 0; field < cFpSensitivityDlg::kFieldCount; ++field) {
            if (dialog.IsFieldEnabled(field)) fields.push_back(field);
        }
        return fields;
    };
    EXPECT_EQ(enabledFields(), (std::vector<int>{15, 16, 17, 18, 19}));
    EXPECT_EQ(dialog.GetFocusField(), cFpSensitivityDlg::TypeField(kExternalInput));
    dialog.OnRadio(SensitivityType::DETAILS);
    EXPECT_EQ(enabledFields().size(), 15u);
    EXPECT_EQ(dialog.GetFocusField(), 0);
    dialog.OnRadio(SensitivityType::UNADJ_FP);
    EXPECT_EQ(enabledFields(), std::vector<int>{cFpSensitivityDlg::kUnadjustedField});
    dialog.OnRadio(SensitivityType::ADJ_FP);
    EXPECT_EQ(enabledFields(), std::vector<int>{cFpSensitivityDlg::kAdjustedField});
    EXPECT_EQ(dialog.GetFocusField(), cFpSensitivityDlg::kAdjustedField);
}

TEST_F(FpDialogTest, SensitivityOkChecksDisabledFieldsToo) {
    cFpSensitivityDlg dialog(platform, FpSensitivitySettings{});
    dialog.SetFieldText(cFpSensitivityDlg::TypeField(kExternalInquiry), "101");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
    EXPECT_EQ(platform.Messages().back(), "Please enter an integer between 0 and 100.");
    EXPECT_EQ(dialog.GetFocusField(), cFpSensitivityDlg::TypeField(kExternalInquiry));
    dialog.SetFieldText(cFpSensitivityDlg::TypeField(kExternalInquiry), "100");
    dialog.SetFieldText(cFpSensitivityDlg::kAdjustedField, "-1");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
}

TEST_F(FpDialogTest, ChoosingAdjustedKeepsTheDetailPercentages) {
    FpSensitivitySettings settings;
    settings.cellPercentages[5] = 30;
    settings.type = SensitivityType::DETAILS;
    doc.SetSensitivity(settings);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cFpSensitivityDlg&>(logic);
        EXPECT_EQ(dialog.GetFieldText(5), "30");
        EXPECT_EQ(dialog.HelpTopic(), 228);
        dialog.OnRadio(SensitivityType::ADJ_FP);
        dialog.SetFieldText(cFpSensitivityDlg::kAdjustedField, "12");
        return dialog.OnOk();
    });
    EXPECT_TRUE(doc.OnSensitivityAnalysis());
    EXPECT_EQ(doc.GetSensitivityType(), SensitivityType::ADJ_FP);
    EXPECT_EQ(doc.GetSensitivity().cellPercentages[5], 30);
    EXPECT_EQ(doc.GetSensitivity().adjustedPercentage, 12);
    EXPECT_TRUE(doc.IsModified());
}

// --- Reverse engineering -------------------------------------------------------------

TEST_F(FpDialogTest, ReverseOnAFreshModelOpensWithZerosAndNoMessage) {
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cFpReverseDlg&>(logic);
        EXPECT_EQ(dialog.GetInputText(cFpReverseDlg::kUfpRow), "0.0");
        EXPECT_EQ(dialog.GetOutputText(cFpReverseDlg::kSlocRow), "0.0");
        EXPECT_EQ(dialog.GetOriginalText(cFpReverseDlg::kAfpRow), "0.0");
        EXPECT_EQ(dialog.GetLanguageText(), "None  (0 SLOC/FP)");
        EXPECT_DOUBLE_EQ(dialog.GetValueAdjustmentFactor(), 0.65);
        EXPECT_EQ(dialog.GetModifyRow(), cFpReverseDlg::kUfpRow);
        EXPECT_TRUE(dialog.IsInputEnabled(cFpReverseDlg::kUfpRow));
        EXPECT_FALSE(dialog.IsInputEnabled(cFpReverseDlg::kSlocRow));
        return true;
    });
    doc.OnReverseEngineering();
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_FALSE(doc.IsModified());
}

struct ReverseCase {
    const char* name;
    double vaf;
    int multiplier;
    cFpReverseDlg::Row from;
    const char* input;
    const char* ufp;
    const char* afp;
    const char* sloc;
};

void PrintTo(const ReverseCase& c, std::ostream* os) {
    *os << c.name;
}

class FpReverseTest : public ::testing::TestWithParam<ReverseCase>, public FpFixture {};

TEST_P(FpReverseTest, WorksOutTheOtherTwoFigures) {
    const ReverseCase& c = GetParam();
    cFpReverseDlg dialog(platform, 0, 0, 0, c.vaf, cLanguage("L", c.multiplier));
    ASSERT_TRUE(dialog.OnModifyRadio(c.from));
    dialog.SetInputText(c.from, c.input);
    ASSERT_TRUE(dialog.OnCalculate());
    EXPECT_EQ(dialog.GetOutputText(cFpReverseDlg::kUfpRow), c.ufp);
    EXPECT_EQ(dialog.GetOutputText(cFpReverseDlg::kAfpRow), c.afp);
    EXPECT_EQ(dialog.GetOutputText(cFpReverseDlg::kSlocRow), c.sloc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FpReverseTest,
    ::testing::Values(ReverseCase{"SlocWithMultiplierHundred", 1.0, 100, cFpReverseDlg::kSlocRow,
                                  "5000", "50.0", "50.0", "5000.0"},
                      ReverseCase{"SlocWithMultiplierZero", 1.0, 0, cFpReverseDlg::kSlocRow, "5000",
                                  "0.0", "0.0", "5000.0"},
                      ReverseCase{"UfpThroughVaf", 1.2, 50, cFpReverseDlg::kUfpRow, " 100 ",
                                  "100.0", "120.0", "6000.0"},
                      ReverseCase{"AfpBackToUfp", 0.8, 10, cFpReverseDlg::kAfpRow, "40.5", "50.6",
                                  "40.5", "405.0"}),
    [](const auto& info) { return info.param.name; });

const std::string kHugeNumber(400, '9');

struct BadInputCase {
    const char* name;
    cFpReverseDlg::Row row;
    const char* text;
    const char* message;
};

void PrintTo(const BadInputCase& c, std::ostream* os) {
    *os << c.name;
}

class FpReverseInputTest : public ::testing::TestWithParam<BadInputCase>, public FpFixture {};

TEST_P(FpReverseInputTest, RefusesAndSelectsTheOffendingInput) {
    const BadInputCase& c = GetParam();
    cFpReverseDlg dialog(platform, 10, 10, 500, 1.0, cLanguage("L", 50));
    dialog.SetInputText(c.row, c.text);
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnCalculate());
    EXPECT_EQ(platform.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(dialog.GetModifyRow(), c.row);
    EXPECT_EQ(dialog.GetFocusRow(), c.row);
    EXPECT_EQ(dialog.GetOutputText(cFpReverseDlg::kSlocRow), "500.0")
        << "outputs keep their last values";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FpReverseInputTest,
    ::testing::Values(
        BadInputCase{"LetterAfterDigits", cFpReverseDlg::kUfpRow, "12a", "Please enter a number."},
        BadInputCase{"BlankBetweenDigits", cFpReverseDlg::kSlocRow, "1 2",
                     "Please enter a number."},
        BadInputCase{"Empty", cFpReverseDlg::kAfpRow, "  ", "Please enter a number."},
        BadInputCase{"MinusAlone", cFpReverseDlg::kAfpRow, "-", "Please enter a number."},
        BadInputCase{"TwoPoints", cFpReverseDlg::kUfpRow, "1.2.3", "Please enter a number."},
        BadInputCase{"NegativeUfp", cFpReverseDlg::kUfpRow, "-1",
                     "Unadjusted function points cannot be negative."},
        BadInputCase{"NegativeAfp", cFpReverseDlg::kAfpRow, "-0.5",
                     "Adjusted function points cannot be negative."},
        BadInputCase{"NegativeSloc", cFpReverseDlg::kSlocRow, "-100",
                     "Source lines of code cannot be negative."},
        BadInputCase{"TooLargeForTheFigures", cFpReverseDlg::kUfpRow, kHugeNumber.c_str(),
                     "Please enter a number."}),
    [](const auto& info) { return info.param.name; });

TEST_F(FpDialogTest, ReverseReplacesAnImpossibleVafByOne) {
    doc.SetRating(0, 99);
    doc.SetCount(0, 10);
    platform.ExpectMessage();
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cFpReverseDlg&>(logic);
        EXPECT_DOUBLE_EQ(dialog.GetValueAdjustmentFactor(), 1.0);
        EXPECT_EQ(dialog.GetOriginalText(cFpReverseDlg::kAfpRow), "49.2")
            << "the model's own figure stays the start";
        EXPECT_EQ(dialog.GetOutputText(cFpReverseDlg::kAfpRow), "30.0");
        dialog.SetInputText(cFpReverseDlg::kUfpRow, "7");
        EXPECT_TRUE(dialog.OnCalculate());
        EXPECT_EQ(dialog.GetInputText(cFpReverseDlg::kUfpRow), "7.0");
        dialog.OnReset();
        EXPECT_EQ(dialog.GetInputText(cFpReverseDlg::kUfpRow), "30.0");
        return true;
    });
    doc.OnReverseEngineering();
    EXPECT_EQ(platform.Messages().front(),
              "PCA not within acceptable range and set to default of 1.0");
    EXPECT_EQ(doc.GetFunctionCount(0).GetCount(), 10);
}

// --- Initialize ----------------------------------------------------------------------

TEST_F(FpDialogTest, InitializeAsksAndResetsOnYesOnly) {
    SetCounts(doc, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    SetRatingSum(doc, 20);
    platform.ExpectMessage(MessageAnswer::No);
    EXPECT_FALSE(doc.OnInitialize());
    EXPECT_EQ(doc.UnadjustedFunctionPoints(), 96.0);
    platform.ExpectMessage(MessageAnswer::Yes);
    EXPECT_TRUE(doc.OnInitialize());
    EXPECT_EQ(platform.Messages().back(),
              "All existing data for the function point model will be reset to their default "
              "values.\n\nContinue?");
    EXPECT_EQ(doc.UnadjustedFunctionPoints(), 0.0);
    EXPECT_DOUBLE_EQ(doc.ValueAdjustmentFactor(), 0.65);
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korval
