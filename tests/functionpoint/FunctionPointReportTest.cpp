#include <gtest/gtest.h>

#include "framework/cDisplayOptionsDlg.h"
#include "framework/cDrawContext.h"
#include "framework/cTextReportSurface.h"
#include "tests/functionpoint/FpTestSupport.h"
#include "tests/support/cRecordingSurface.h"

namespace korval {
namespace {

using testing::FpFixture;
using testing::SetCounts;
using testing::SetRatingSum;

class FpReportTest : public ::testing::Test, public FpFixture {
  protected:
    cFunctionPointDoc doc{context};

    // The report body, one string per printed line, without the column blanks.
    std::vector<std::string> Lines() {
        cTextReportSurface surface;
        cDrawContext dc(surface);
        int y = 5;
        doc.DrawReport(dc, y, TextFlags::kBase);
        dc.layout.DrawAll(surface);
        std::vector<std::string> lines;
        std::string text = surface.Render();
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line;
            bool blank = false;
            for (char c : text.substr(start, end - start)) {
                if (c == ' ') {
                    blank = !line.empty();
                    continue;
                }
                if (blank) line += line.back() == ':' ? "|" : " ";
                blank = false;
                line += c;
            }
            if (!line.empty()) lines.push_back(line);
            start = end + 1;
        }
        return lines;
    }

    void Switches(FilterState description, FilterState sensitivity, FilterState intermediate,
                  FilterState totals) {
        doc.SetFilter(cModelDoc::kDescriptionSwitch, description);
        doc.SetFilter(cModelDoc::kSensitivityAnalysisSwitch, sensitivity);
        doc.SetFilter(cModelDoc::kIntermediateTotalsSwitch, intermediate);
        doc.SetFilter(cModelDoc::kTotalsSwitch, totals);
    }

    // UFP 100, VAF 1.00, 50 SLOC per function point.
    void HundredPoints(SensitivityType type) {
        SetCounts(doc, {10, 0, 0, 0, 10, 0, 2, 0, 0, 0, 0, 0, 2, 0, 0});
        SetRatingSum(doc, 35);
        doc.SetSelectedLanguage(cLanguage("Java", 50));
        FpSensitivitySettings settings;
        settings.unadjustedPercentage = 10;
        settings.adjustedPercentage = 20;
        settings.type = type;
        doc.SetSensitivity(settings);
    }
};

TEST_F(FpReportTest, FreshDocumentPrintsZerosAndLanguageNone) {
    Switches(FilterState::Off, FilterState::Off, FilterState::On, FilterState::On);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "Unadj. Function Points:|0.0", "Value Adjustment Factor:|0.65",
                           "Adj. Function Points:|0.0", "Language:|None (0 SLOC/FP)",
                           "Source Lines of Code:|0.0"}));
}

TEST_F(FpReportTest, AllSwitchesOffLeaveTheBodyEmpty) {
    Switches(FilterState::Off, FilterState::Off, FilterState::Off, FilterState::Off);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(doc.GetReportExtentHeight(), 50) << "the scroll size follows the empty body";
}

struct RangeRowCase {
    const char* name;
    SensitivityType type;
    FilterState sensitivity;
    std::vector<std::string> lines;
};

void PrintTo(const RangeRowCase& c, std::ostream* os) {
    *os << c.name;
}

class FpReportRangeTest : public FpReportTest,
                          public ::testing::WithParamInterface<RangeRowCase> {};

TEST_P(FpReportRangeTest, RangesFollowTheSwitchAndTheType) {
    HundredPoints(GetParam().type);
    Switches(FilterState::Off, GetParam().sensitivity, FilterState::On, FilterState::On);
    EXPECT_EQ(Lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FpReportRangeTest,
    ::testing::Values(
        RangeRowCase{
            "AdjustedHasNoUnadjustedRange",
            SensitivityType::ADJ_FP,
            FilterState::On,
            {"Sensitivity Analysis Type:|Adjusted Function Points", "Unadj. Function Points:|100.0",
             "Value Adjustment Factor:|1.00", "Adj. Function Points:|100.0 (80.0 - 120.0)",
             "Language:|Java (50 SLOC/FP)", "Source Lines of Code:|5000.0 (4000.0 - 6000.0)"}},
        RangeRowCase{
            "UnadjustedRangesEverywhere",
            SensitivityType::UNADJ_FP,
            FilterState::On,
            {"Sensitivity Analysis Type:|Unadjusted Function Points",
             "Unadj. Function Points:|100.0 (90.0 - 110.0)", "Value Adjustment Factor:|1.00",
             "Adj. Function Points:|100.0 (90.0 - 110.0)", "Language:|Java (50 SLOC/FP)",
             "Source Lines of Code:|5000.0 (4500.0 - 5500.0)"}},
        RangeRowCase{
            "DetailsNamed",
            SensitivityType::DETAILS,
            FilterState::On,
            {"Sensitivity Analysis Type:|Function Count Details",
             "Unadj. Function Points:|100.0 (100.0 - 100.0)", "Value Adjustment Factor:|1.00",
             "Adj. Function Points:|100.0 (100.0 - 100.0)", "Language:|Java (50 SLOC/FP)",
             "Source Lines of Code:|5000.0 (5000.0 - 5000.0)"}},
        RangeRowCase{"SensitivityOffHidesTypeAndRanges",
                     SensitivityType::UNADJ_FP,
                     FilterState::Off,
                     {"Unadj. Function Points:|100.0", "Value Adjustment Factor:|1.00",
                      "Adj. Function Points:|100.0", "Language:|Java (50 SLOC/FP)",
                      "Source Lines of Code:|5000.0"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(FpReportTest, IntermediateTotalsTypeIsNamedAndLongLanguageNamesAreCut) {
    doc.SetSensitivity({}, {}, 0, 0, SensitivityType::INTERM_TOT);
    doc.SetSelectedLanguage(cLanguage("A Language With A Very Long Name", 7));
    Switches(FilterState::Off, FilterState::On, FilterState::On, FilterState::Off);
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Sensitivity Analysis Type:|FP Intermediate Totals");
    EXPECT_EQ(lines[4], "Language:|A Language With A Very Lo (7 SLOC/FP)");
}

TEST_F(FpReportTest, DescriptionBlockComesFirst) {
    doc.SetDescriptionTexts("Billing", "Analyst", "Two\r\nlines");
    Switches(FilterState::On, FilterState::Off, FilterState::Off, FilterState::On);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"Title:|Billing", "Prepared By:|Analyst",
                                        "Description:|Two", "lines", "Source Lines of Code:|0.0"}));
}

TEST_F(FpReportTest, RowsUseTheFourColumns) {
    HundredPoints(SensitivityType::UNADJ_FP);
    Switches(FilterState::Off, FilterState::Off, FilterState::Off, FilterState::On);
    doc.SetFilter(cModelDoc::kSensitivityAnalysisSwitch, FilterState::On);
    testing::cRecordingSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    doc.DrawReport(dc, y, TextFlags::kBase);
    dc.layout.DrawAll(surface);
    std::vector<std::string> texts = surface.Texts();
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Sensitivity Analysis Type: ", "Unadjusted Function Points",
                                        "Source Lines of Code:", "5000.0", "(4500.0 - 5500.0)"}));
    ASSERT_EQ(surface.drawn.size(), 5u);
    EXPECT_EQ(surface.drawn[2].rect.left, dc.metrics.column[1]);
    EXPECT_EQ(surface.drawn[3].rect.left, dc.metrics.column[2]);
    EXPECT_EQ(surface.drawn[4].rect.left, dc.metrics.column[3]);
}

TEST_F(FpReportTest, DisplayOptionsOfferFourSwitches) {
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cDisplayOptionsDlg&>(logic);
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kDescriptionBox));
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kIntermediateTotalsBox));
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kTotalsBox));
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kSensitivityBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kModelDescriptionsBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kPhaseDistributionBox));
        for (auto box : {cDisplayOptionsDlg::kStaffingBox, cDisplayOptionsDlg::kCostBox,
                         cDisplayOptionsDlg::kChartsBox})
            EXPECT_FALSE(dialog.IsVisible(box)) << box;
        dialog.SetChecked(cDisplayOptionsDlg::kSensitivityBox, true);
        dialog.SetChecked(cDisplayOptionsDlg::kTotalsBox, false);
        return true;
    });
    doc.SetFilter(cModelDoc::kPhaseDistributionSwitch, FilterState::NotApplicable);
    doc.OnDisplayOptions();
    EXPECT_EQ(doc.GetFilter(cModelDoc::kSensitivityAnalysisSwitch), FilterState::On);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kPhaseDistributionSwitch), FilterState::NotApplicable)
        << "not the report's switch";
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korval
