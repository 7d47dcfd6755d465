#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "framework/ProfileAccess.h"
#include "framework/cProfileStore.h"
#include "functionpoint/LanguageProfile.h"
#include "tests/functionpoint/FpTestSupport.h"

namespace korval {
namespace {

using testing::FpFixture;
using testing::SetCounts;
using testing::TempDir;

class FpFileTest : public ::testing::Test, public FpFixture {
  protected:
    // Opens a file the way the application does: a fresh document, then the load.
    std::unique_ptr<cFunctionPointDoc> Open(const std::string& path) {
        auto doc = std::make_unique<cFunctionPointDoc>(context);
        EXPECT_TRUE(doc->LoadModel(path));
        return doc;
    }

    // The key names of the file, section by section, in file order.
    static std::vector<std::string> KeyLines(const std::string& content) {
        std::vector<std::string> keys;
        std::size_t start = 0;
        while (start < content.size()) {
            std::size_t end = content.find("\r\n", start);
            if (end == std::string::npos) end = content.size();
            std::string line = content.substr(start, end - start);
            if (!line.empty()) keys.push_back(line.substr(0, line.find('=')));
            start = end + 2;
        }
        return keys;
    }
};

TEST_F(FpFileTest, FreshModelWritesEveryKeyInOrder) {
    cFunctionPointDoc doc(context);
    std::string path = dir.File("fresh.FPM");
    ASSERT_TRUE(doc.SaveAs(path));
    std::vector<std::string> expected = {"[KORVAL]",
                                         "KORVAL_Type",
                                         "Version",
                                         "[FunctionPointSummary]",
                                         "Title",
                                         "PreparedBy",
                                         "Description",
                                         "[Filter_Values]",
                                         "Description",
                                         "Totals",
                                         "Intermediate_Totals",
                                         "SensitivityAnalysis",
                                         "PhaseDistribution",
                                         "Staffing",
                                         "Cost",
                                         "Charts",
                                         "[FunctionCounts]"};
    for (int cell = 0; cell < kFunctionCellCount; ++cell)
        expected.push_back(FunctionWeightKey(cell).String());
    for (int cell = 0; cell < kFunctionCellCount; ++cell)
        expected.push_back(FunctionCountKey(cell).String());
    expected.push_back("[Languages]");
    for (int i = 0; i < 3; ++i) {
        expected.push_back(LanguageNameKey(i).String());
        expected.push_back("LanguageMult0" + std::to_string(i));
    }
    expected.insert(expected.end(),
                    {"Selected_Language", "Selected_Language_Mult", "[ProcessingComplexity]"});
    for (int i = 0; i < kSystemCharacteristicCount; ++i)
        expected.emplace_back(SystemCharacteristicKey(i));
    expected.insert(expected.end(), {"[FP_Sensitivity_Analysis]", "Selected_FP_Sen"});
    for (int cell = 0; cell < kFunctionCellCount; ++cell)
        expected.push_back(FunctionWeightKey(cell).String());
    expected.insert(expected.end(), {"External_Input_Total_Mult", "External_Inquiry_Total_Mult",
                                     "External_Interface_Total_Mult", "External_Output_Total_Mult",
                                     "Logical_Internal_Total_Mult", "Total_Unadjusted_FP_Sen",
                                     "Total_Adjusted_FP_Sen"});
    EXPECT_EQ(KeyLines(TempDir::ReadFile(path)), expected);
    EXPECT_EQ(ReadProfileValue("KORVAL", "KORVAL_Type", "", 20, path), "FunctionPoint");
    EXPECT_EQ(ReadProfileValue("FP_Sensitivity_Analysis", "Selected_FP_Sen", "", 20, path),
              "ADJ_FP");
    EXPECT_EQ(ReadProfileValue("Languages", "Selected_Language", "", 20, path), "None");
    EXPECT_EQ(ReadProfileValue("Languages", "Selected_Language_Mult", "", 20, path), "0");
    EXPECT_EQ(ReadProfileValue("ProcessingComplexity", "Facilitate_Change", "", 20, path), "0");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(FpFileTest, SavedModelReopensWithTheSameData) {
    cFunctionPointDoc doc(context);
    SetCounts(doc, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 9999});
    doc.SetWeight(14, 12);
    for (int i = 0; i < kSystemCharacteristicCount; ++i) doc.SetRating(i, i % 6);
    doc.SetSelectedLanguage(cLanguage("C", 128));
    FpSensitivitySettings settings;
    for (int cell = 0; cell < kFunctionCellCount; ++cell) settings.cellPercentages[cell] = cell * 7;
    settings.typePercentages = {10, 20, 30, 40, 50};
    settings.unadjustedPercentage = 15;
    settings.adjustedPercentage = 100;
    settings.type = SensitivityType::INTERM_TOT;
    doc.SetSensitivity(settings);
    doc.SetDescriptionTexts("Billing", "Estimator", "Line one\r\nLine two");
    std::string path = dir.File("round.FPM");
    ASSERT_TRUE(doc.SaveAs(path));

    auto reopened = Open(path);
    EXPECT_EQ(reopened->GetFunctionCounts(), doc.GetFunctionCounts());
    EXPECT_EQ(reopened->GetRatings(), doc.GetRatings());
    EXPECT_EQ(reopened->GetSelectedLanguage(), doc.GetSelectedLanguage());
    EXPECT_EQ(reopened->GetLanguageTable(), doc.GetLanguageTable());
    EXPECT_EQ(reopened->GetSensitivity(), doc.GetSensitivity());
    EXPECT_EQ(reopened->GetDescription(), "Line one\r\nLine two");
    EXPECT_EQ(reopened->SourceLinesOfCodeRange(), doc.SourceLinesOfCodeRange());
    // The five type keys are filed as Input, Inquiry, Interface, Output, Logical Internal.
    EXPECT_EQ(
        ReadProfileValue("FP_Sensitivity_Analysis", "External_Inquiry_Total_Mult", "", 9, path),
        "50");
    EXPECT_EQ(
        ReadProfileValue("FP_Sensitivity_Analysis", "Logical_Internal_Total_Mult", "", 9, path),
        "30");
}

// A file written by hand or by another tool, with the value of one key replaced.
struct LoadCase {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
    std::function<void(const cFunctionPointDoc&)> check;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class FpLoadValueTest : public ::testing::TestWithParam<LoadCase>, public FpFixture {};

TEST_P(FpLoadValueTest, LoadsBadOrOddValuesSafely) {
    const LoadCase& c = GetParam();
    std::string path = dir.File("odd.FPM");
    {
        cFunctionPointDoc doc(context);
        doc.SetCount(0, 5);
        doc.SetRating(0, 3);
        doc.SetSelectedLanguage(cLanguage("Java", 53));
        ASSERT_TRUE(doc.SaveAs(path));
    }
    ASSERT_TRUE(WriteProfileValue(c.section, c.key, c.value, path));
    cProfileStore::Instance().Clear();
    platform.AcceptAllMessages();
    cFunctionPointDoc doc(context);
    ASSERT_TRUE(doc.LoadModel(path));
    c.check(doc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FpLoadValueTest,
    ::testing::Values(
        LoadCase{"SensitivityTypeInLowerCase", "FP_Sensitivity_Analysis", "Selected_FP_Sen",
                 "details",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetSensitivityType(), SensitivityType::DETAILS);
                 }},
        LoadCase{"UnknownSensitivityType", "FP_Sensitivity_Analysis", "Selected_FP_Sen",
                 "SOMETIMES",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetSensitivityType(), SensitivityType::ADJ_FP);
                 }},
        LoadCase{"TypePercentageAboveHundred", "FP_Sensitivity_Analysis",
                 "External_Input_Total_Mult", "150",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetSensitivity().typePercentages[0], 0);
                 }},
        LoadCase{"NegativePercentage", "FP_Sensitivity_Analysis", "Total_Adjusted_FP_Sen", "-20",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetSensitivity().adjustedPercentage, 0);
                 }},
        LoadCase{
            "GarbledCountKeepsTheCount", "FunctionCounts", "External_Input_Simple_Value", "many",
            [](const cFunctionPointDoc& d) { EXPECT_EQ(d.GetFunctionCount(0).GetCount(), 0); }},
        LoadCase{
            "GarbledWeightKeepsTheProfileWeight", "FunctionCounts", "External_Input_Simple_Mult",
            "x3",
            [](const cFunctionPointDoc& d) { EXPECT_EQ(d.GetFunctionCount(0).GetWeight(), 3); }},
        LoadCase{
            "NegativeWeightKeepsTheProfileWeight", "FunctionCounts", "External_Input_Simple_Mult",
            "-8",
            [](const cFunctionPointDoc& d) { EXPECT_EQ(d.GetFunctionCount(0).GetWeight(), 3); }},
        LoadCase{"HugeCountReadsNineCharacters", "FunctionCounts", "External_Input_Simple_Value",
                 "2000000000",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetFunctionCount(0).GetCount(), 200000000);
                     EXPECT_EQ(d.UnadjustedFunctionPoints(), 600000000.0);
                 }},
        LoadCase{"RatingOutsideTheScaleIsKept", "ProcessingComplexity", "Data_Communications", "99",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetRating(0), 99);
                     EXPECT_DOUBLE_EQ(d.ValueAdjustmentFactor(), 1.64);
                 }},
        LoadCase{"GarbledRatingIsLeftAsItWas", "ProcessingComplexity", "Data_Communications",
                 "high", [](const cFunctionPointDoc& d) { EXPECT_EQ(d.GetRating(0), 0); }},
        LoadCase{"SelectedLanguageNotInTheTable", "Languages", "Selected_Language", "Cobol",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetSelectedLanguage(), cLanguage("None", 0));
                 }},
        LoadCase{"LanguageTableWithAGap", "Languages", "LanguageName01", "",
                 [](const cFunctionPointDoc& d) {
                     EXPECT_EQ(d.GetLanguageTable().Names(),
                               (std::vector<std::string>{"None", "Ada 95"}));
                     EXPECT_EQ(d.GetSelectedLanguage(), cLanguage("None", 0));
                 }}),
    [](const auto& info) { return info.param.name; });

TEST_F(FpFileTest, MissingWeightsLoadAsZero) {
    std::string path = dir.File("bare.FPM");
    TempDir::WriteFile(path,
                       "[KORVAL]\r\nKORVAL_Type=FunctionPoint\r\n[FunctionCounts]\r\n"
                       "External_Input_Simple_Value=10\r\n");
    auto doc = Open(path);
    EXPECT_EQ(doc->GetFunctionCount(0), cFunctionCount(10, 0));
    EXPECT_EQ(doc->UnadjustedFunctionPoints(), 0.0);
    EXPECT_EQ(doc->GetLanguageTable().Names(), std::vector<std::string>{"None"});
    EXPECT_EQ(doc->GetSensitivityType(), SensitivityType::ADJ_FP);
}

TEST_F(FpFileTest, SavingAShorterTableEmptiesTheKeysOfTheOldOne) {
    std::string path = dir.File("shrink.FPM");
    cFunctionPointDoc doc(context);
    ASSERT_TRUE(doc.SaveAs(path));
    cLanguageTable shorter;
    shorter.ResetToNone();
    shorter.AddLanguage("Java", 53);
    doc.SetLanguageTable(shorter);
    ASSERT_TRUE(doc.SaveToFile());
    EXPECT_EQ(ReadProfileString("Languages", "LanguageName01", "missing", 20, path), "");
    EXPECT_EQ(ReadProfileString("Languages", "LanguageMult02", "missing", 20, path), "0");
    auto reopened = Open(path);
    EXPECT_EQ(reopened->GetLanguageTable(), shorter) << "deleted languages never come back";
}

TEST_F(FpFileTest, ModelInsideAProjectFileWritesNoVersion) {
    std::string path = dir.File("plan.prj");
    cFunctionPointDoc doc(context);
    ASSERT_TRUE(doc.SaveModel(path));
    EXPECT_EQ(ReadProfileValue("KORVAL", "Version", "none", 10, path), "none");
    EXPECT_EQ(ReadProfileValue("FunctionCounts", "External_Input_Simple_Mult", "", 10, path), "3");
}

TEST_F(FpFileTest, SaveAsAsksForAFileNameAndCancelChangesNothing) {
    cFunctionPointDoc doc(context);
    doc.SetModifiedFlag();
    platform.ExpectSaveFileName("");
    EXPECT_FALSE(doc.OnFileSaveAs());
    EXPECT_TRUE(doc.IsModified());
    std::string path = dir.File("named.FPM");
    platform.ExpectSaveFileName(path);
    EXPECT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadProfileValue("KORVAL", "KORVAL_Type", "", 20, path), "FunctionPoint");
}

}  // namespace
}  // namespace korval
