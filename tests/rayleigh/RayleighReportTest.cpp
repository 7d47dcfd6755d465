#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "framework/NumberText.h"
#include "framework/cDisplayOptionsDlg.h"
#include "tests/rayleigh/RayleighTestSupport.h"
#include "tests/support/cRecordingSurface.h"

namespace korval {
namespace {

using testing::cRecordingSurface;
using testing::RayleighDocFixture;
using Row = std::array<std::string, 4>;

class RayleighReportTest : public RayleighDocFixture {
  protected:
    std::vector<int> tops;

    // The report as rows of four column texts, in order; the row tops go to `tops`.
    std::vector<Row> Report(cRayleighDoc& doc) {
        cRecordingSurface surface;
        cDrawContext dc(surface);
        int y = 5;
        doc.DrawReport(dc, y, TextFlags::kBase);
        dc.layout.DrawAll(surface);
        std::map<int, Row> rows;
        for (const cRecordingSurface::Drawn& item : surface.drawn) {
            for (int column = 3; column >= 0; --column) {
                if (item.rect.left >= dc.metrics.column[column]) {
                    rows[item.rect.top][static_cast<std::size_t>(column)] = item.text;
                    break;
                }
            }
        }
        std::vector<Row> result;
        tops.clear();
        for (const auto& [top, row] : rows) {
            tops.push_back(top);
            result.push_back(row);
        }
        return result;
    }

    // Only the Intermediate_Totals and Totals blocks, with or without ranges.
    void ShowBodyOnly(cRayleighDoc& doc, bool ranges) {
        doc.SetFilter(cModelDoc::kDescriptionSwitch, FilterState::Off);
        doc.SetFilter(cModelDoc::kStaffingSwitch, FilterState::Off);
        doc.SetFilter(cModelDoc::kSensitivityAnalysisSwitch,
                      ranges ? FilterState::On : FilterState::Off);
    }
};

TEST_F(RayleighReportTest, NewDocumentShowsZerosAndLevelZero) {
    cRayleighDoc doc(context);
    ShowBodyOnly(doc, false);
    std::vector<Row> expected = {
        {"", "Source Lines of Code:", "0.0", ""},
        {"", "Time to Develop (TDEV):", "0.0 calendar months", ""},
        {"", "Main Build Phase Time", "", ""},
        {"", "    (75% of TDEV):", "0.0 calendar months", ""},
        {"", "Application Type:", "Business", ""},
        {"", "Manpower Buildup Index", "", ""},
        {"", "    (MBI) Level:", "0", ""},
    };
    EXPECT_EQ(Report(doc), expected);
    // Continued labels are followed by a small gap, the others by half a line.
    const int line = 20;
    std::vector<int> gaps;
    for (std::size_t i = 1; i < tops.size(); ++i) gaps.push_back(tops[i] - tops[i - 1]);
    EXPECT_EQ(gaps,
              (std::vector<int>{line + 10, line + 10, line + 1, line + 10, line + 10, line + 1}));
}

TEST_F(RayleighReportTest, AllSwitchesOffLeaveAnEmptyBody) {
    cRayleighDoc doc(context);
    for (auto which : {cModelDoc::kDescriptionSwitch, cModelDoc::kTotalsSwitch,
                       cModelDoc::kIntermediateTotalsSwitch, cModelDoc::kSensitivityAnalysisSwitch,
                       cModelDoc::kStaffingSwitch}) {
        doc.SetFilter(which, FilterState::Off);
    }
    EXPECT_TRUE(Report(doc).empty());
    EXPECT_EQ(doc.GetReportExtentHeight(), 50);
}

TEST_F(RayleighReportTest, ScheduleRangesShowTheInputAndTheMainBuildTime) {
    cRayleighDoc doc(context);
    ShowBodyOnly(doc, true);
    doc.SetSourceLines(150000);
    doc.SetSchedule(20);
    doc.SetRayleighSensitivity(0, 10, 3, 0, RayleighSensitivityType::Schedule);
    std::vector<Row> rows = Report(doc);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0], (Row{"", "Sensitivity Analysis Type: ", "Time to Develop (TDEV)", ""}));
    EXPECT_EQ(rows[1][3], "") << "no SLOC range for a schedule sensitivity";
    EXPECT_EQ(rows[2],
              (Row{"", "Time to Develop (TDEV):", "20.0 calendar months", "(18.0 - 22.0)"}));
    EXPECT_EQ(rows[4], (Row{"", "    (75% of TDEV):", "15.0 calendar months", "(13.5 - 16.5)"}));
    // MBI 1.93 nominal, 0.97 over 16.5 months and 3.00 over 13.5 months.
    EXPECT_EQ(rows[7], (Row{"", "    (MBI) Level:", "2", "(1 - 3)"}));
}

TEST_F(RayleighReportTest, MeasureSensitivityRangesOnlyTheLevel) {
    cRayleighDoc doc(context);
    ShowBodyOnly(doc, true);
    doc.SetSourceLines(150000);
    doc.SetSchedule(16);
    doc.SetRayleighSensitivity(10, 10, 3, 20, RayleighSensitivityType::Measure);
    std::vector<Row> rows = Report(doc);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0][2], "Productivity Measure (PM)");
    for (int i : {1, 2, 4})
        EXPECT_EQ(rows[static_cast<std::size_t>(i)][3], "") << rows[static_cast<std::size_t>(i)][1];
    EXPECT_EQ(rows[7], (Row{"", "    (MBI) Level:", "4", "(3 - 5)"}));
}

TEST_F(RayleighReportTest, SizeRangeIsNotClampedAndProjectRangesAreNamed) {
    cRayleighDoc doc(context);
    ShowBodyOnly(doc, true);
    doc.SetSelectedApplication(1);  // Embedded, PI 5
    doc.SetSourceLines(1000);
    doc.SetSchedule(10);
    doc.SetRayleighSensitivity(100, 0, 3, 0, RayleighSensitivityType::Sloc);
    std::vector<Row> rows = Report(doc);
    EXPECT_EQ(rows[1][3], "(0.0 - 2000.0)");
    // MBI -0.25 nominal; no size at the low end is no buildup; 2.75 at twice the size.
    EXPECT_EQ(rows.back(), (Row{"", "    (MBI) Level:", "0", "(<0 - 3)"}));

    doc.SetSensitivityType(RayleighSensitivityType::ProjectRanges);
    doc.SetSourceLinesRange(900, 1250.55);
    doc.SetScheduleRange(8, 12);
    rows = Report(doc);
    EXPECT_EQ(rows[0][2], "Project SLOC and TDEV Ranges");
    EXPECT_EQ(rows[1][3], "(900.0 - 1250.5)");
    EXPECT_EQ(rows[2][3], "(8.0 - 12.0)");
    EXPECT_EQ(rows[4][3], "(6.0 - 9.0)");
}

TEST_F(RayleighReportTest, RangesNeedTheSensitivitySwitch) {
    cRayleighDoc doc(context);
    ShowBodyOnly(doc, false);
    doc.SetSourceLines(50000);
    doc.SetSchedule(20);
    doc.SetRayleighSensitivity(10, 0, 3, 0, RayleighSensitivityType::Sloc);
    for (const Row& row : Report(doc)) EXPECT_EQ(row[3], "") << row[1];
}

TEST_F(RayleighReportTest, DescriptionBlockComesFirst) {
    cRayleighDoc doc(context);
    doc.SetDescriptionTexts("Portal", "J. Moreau", "Claims");
    doc.SetFilter(cModelDoc::kSensitivityAnalysisSwitch, FilterState::Off);
    doc.SetFilter(cModelDoc::kStaffingSwitch, FilterState::Off);
    std::vector<Row> rows = Report(doc);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], (Row{"", "Title:", "Portal", ""}));
    EXPECT_EQ(rows[3][1], "Source Lines of Code:");
}

TEST_F(RayleighReportTest, StaffingBlockFollowsEveryOtherRow) {
    cRayleighDoc doc(context);
    doc.SetSelectedApplication(2);  // Custom, PI 12
    doc.SetSourceLines(50000);
    doc.SetSchedule(20);
    doc.SetRayleighSensitivity(10, 0, 3, 0, RayleighSensitivityType::Sloc);
    doc.SetFilter(cModelDoc::kStaffingSwitch, FilterState::Off);
    std::vector<Row> without = Report(doc);
    doc.SetFilter(cModelDoc::kStaffingSwitch, FilterState::On);
    std::vector<Row> rows = Report(doc);
    ASSERT_GT(rows.size(), without.size());
    EXPECT_TRUE(std::equal(without.begin(), without.end(), rows.begin()))
        << "every existing row stays where it is";
    EXPECT_EQ(rows[without.size()], (Row{"", "Staffing", "", ""}));
    // Putnam's own estimate and the scale's limits open the block.
    EXPECT_EQ(rows[without.size() + 1][1], "    Putnam's Own Estimate");
    EXPECT_EQ(rows[without.size() + 8],
              (Row{"", "    Planned Main Build:", "within the MBI scale (levels 0 to 6)", ""}));
    std::size_t block = without.size() + 8;
    RangedFigure k = doc.LifeCycleEffortMonthsRange();
    EXPECT_EQ(rows[block + 1],
              (Row{"", "    Life-Cycle Effort (K):", FormatNumber("%-3.1lf person months", k.value),
                   FormatNumber("(%-3.1lf - %3.1lf)", k.low, k.high)}));
    EXPECT_EQ(rows[block + 2][2],
              FormatNumber("%-3.2lf person years", doc.LifeCycleEffortYearsRange().value));
    EXPECT_EQ(rows[block + 5][1], "    Peak Staff:");
    EXPECT_EQ(rows[block + 6][1], "    Staffing by Month");
    // A header of two rows, then one row a month of the table.
    EXPECT_EQ(rows.size(), block + 9 + doc.GetStaffingTable().periods.size());
    // The table's columns lie closer than the report's: the last one lands in column 2.
    EXPECT_EQ(rows.back()[2], FormatNumber("%-3.1lf", doc.GetStaffingTable().TotalEffort()));

    doc.SetFilter(cModelDoc::kSensitivityAnalysisSwitch, FilterState::Off);
    rows = Report(doc);
    EXPECT_EQ(rows[rows.size() - doc.GetStaffingTable().periods.size() - 9 + 1][3], "")
        << "ranges need the sensitivity switch";
}

TEST_F(RayleighReportTest, DisplayOptionsHidePhaseDistribution) {
    cRayleighDoc doc(context);
    doc.SetFilter(cModelDoc::kPhaseDistributionSwitch, FilterState::Off);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cDisplayOptionsDlg&>(logic);
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kPhaseDistributionBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kModelDescriptionsBox));
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kSensitivityBox));
        EXPECT_TRUE(dialog.IsChecked(cDisplayOptionsDlg::kSensitivityBox));
        dialog.SetChecked(cDisplayOptionsDlg::kTotalsBox, false);
        return true;
    });
    doc.OnDisplayOptions();
    EXPECT_EQ(doc.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kSensitivityAnalysisSwitch), FilterState::On);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kPhaseDistributionSwitch), FilterState::Off);
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korval
