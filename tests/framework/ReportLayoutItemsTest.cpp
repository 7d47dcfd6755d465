// The laid-out report: pages, bands of the screen, and what printing costs per row.
#include <gtest/gtest.h>

#include "framework/cModelDoc.h"
#include "framework/cReportLayout.h"
#include "framework/cReportPrinter.h"
#include "tests/support/TempDir.h"
#include "tests/support/cRecordingSurface.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::cRecordingSurface;

// Rows "Row i" with a value; row 3 carries a text of five lines.
class cTallRowDoc : public cModelDoc {
  public:
    cTallRowDoc(cAppContext& context, int rows)
        : cModelDoc(context, DocumentKind::Cocomo), rows_(rows) {
        SetFilter(kDescriptionSwitch, FilterState::Off);
    }

    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override {
        int total = 0;
        for (int i = 0; i < rows_; ++i) {
            std::string value = i == 3 ? "1\n2\n3\n4\n5" : "value";
            total += DrawRow(dc, y, "", "Row " + std::to_string(i), value, "", flags, 0.5);
        }
        ++passes;
        return FinishReport(dc, total);
    }

    int passes = 0;

  private:
    int rows_;
};

class ReportLayoutItemsTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, dir.File("none.ini")};
};

std::vector<std::string> TextsOf(const std::vector<const cReportItem*>& items) {
    std::vector<std::string> texts;
    for (const cReportItem* item : items) texts.push_back(item->text);
    return texts;
}

TEST_F(ReportLayoutItemsTest, ItemsKeepTheirPlaceAndTheRowsHeight) {
    cTallRowDoc doc(context, 5);
    cRecordingSurface screen;
    cReportLayout layout = doc.LayOutReport(screen);
    const std::vector<cReportItem>& items = layout.Items();
    ASSERT_EQ(items.size(), 10u);
    // Rows advance by their height plus half a line: 20 + 10, and 100 + 10 for the tall one.
    EXPECT_EQ(items[0].box.top, 5);
    EXPECT_EQ(items[6].box.top, 5 + 3 * 30);
    EXPECT_EQ(items[6].box.bottom - items[6].box.top, 100) << "the label spans the tall row";
    EXPECT_EQ(items[8].box.top, 5 + 3 * 30 + 110);
    EXPECT_EQ(layout.Height(), 4 * 30 + 110);
    EXPECT_EQ(layout.PageCount(), 1);
    for (const cReportItem& item : items) EXPECT_EQ(item.page, 1);
    EXPECT_EQ(doc.GetReportExtentHeight(), layout.Height() + 50);
}

// A band gets the items reaching into it, also a tall row that starts above it.
TEST_F(ReportLayoutItemsTest, BandHoldsTheItemsReachingIntoIt) {
    cTallRowDoc doc(context, 8);
    cRecordingSurface screen;
    cReportLayout layout = doc.LayOutReport(screen);
    struct Case {
        int top;
        int bottom;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, 5, {}},
        {0, 6, {"Row 0", "value"}},
        {24, 36, {"Row 0", "value", "Row 1", "value"}},
        {25, 35, {}},
        {26, 36, {"Row 1", "value"}},
        {180, 190, {"Row 3", "1\n2\n3\n4\n5"}},
        {190, 206, {"Row 3", "1\n2\n3\n4\n5", "Row 4", "value"}},
        {1000, 2000, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextsOf(layout.Within(c.top, c.bottom)), c.expected) << c.top << ".." << c.bottom;
    }
    screen.drawn.clear();
    layout.DrawWithin(screen, 26, 36);
    EXPECT_EQ(screen.Texts(), (std::vector<std::string>{"Row 1", "value"}));
}

TEST_F(ReportLayoutItemsTest, PagesPartitionThePrintedItems) {
    cTallRowDoc doc(context, 60);
    cRecordingSurface printer;
    printer.printer = true;
    printer.height = 500;  // a body of 300 units: ten rows of 30 a page
    cReportLayout layout = doc.LayOutReport(printer);
    ASSERT_GT(layout.PageCount(), 5);
    std::size_t total = 0;
    for (int page = 1; page <= layout.PageCount(); ++page) {
        for (const cReportItem& item : layout.OnPage(page)) {
            EXPECT_EQ(item.page, page);
            int onPage = item.box.top - (page - 1) * layout.Metrics().bodyHeight;
            EXPECT_GE(onPage, layout.Metrics().topMargin) << item.text;
            EXPECT_LE(item.box.bottom - item.box.top + onPage, layout.Metrics().bottomEdge)
                << item.text;
        }
        total += layout.OnPage(page).size();
    }
    EXPECT_EQ(total, layout.Items().size());
    EXPECT_TRUE(layout.OnPage(layout.PageCount() + 1).empty());
}

// Printing lays the report out once: each cell is measured once however many pages
// there are, and each page draws only its own rows.
TEST_F(ReportLayoutItemsTest, PrintingMeasuresEveryCellOnceForAllPages) {
    for (int rows : {10, 100, 400}) {
        cTallRowDoc doc(context, rows);
        cRecordingSurface printer;
        printer.printer = true;
        cReportPrinter job(doc, printer);
        int pages = job.BeginPrinting(std::tm{});
        std::size_t drawnRows = 0;
        for (int page = 1; page <= pages; ++page) {
            printer.drawn.clear();
            job.PrintPage(page);
            drawnRows += printer.drawn.size() - 5;  // the header's two texts, the footer's three
        }
        EXPECT_EQ(doc.passes, 1) << rows << " rows";
        EXPECT_EQ(printer.measured, 2 * rows) << rows << " rows";
        EXPECT_EQ(drawnRows, static_cast<std::size_t>(2 * rows)) << rows << " rows";
    }
}

}  // namespace
}  // namespace korval
