#include <gtest/gtest.h>

#include "framework/StaffingRows.h"
#include "tests/support/TempDir.h"
#include "tests/support/cRecordingSurface.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

class cRowsDoc : public cModelDoc {
  public:
    explicit cRowsDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Rayleigh) {}
};

int PageOf(const cReportLayout& layout, const std::string& text) {
    for (const cReportItem& item : layout.Items())
        if (item.text == text) return item.page;
    return 0;
}

// On paper the table's heading, column titles and first month share a page, wherever the
// table starts; on the screen nothing moves.
TEST(StaffingRowsTest, TableHeadingStaysWithItsFirstMonth) {
    testing::TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, dir.File("none.ini")};
    cRowsDoc doc(context);
    StaffingTable table;
    for (int month = 1; month <= 5; ++month) table.periods.push_back({month, 1, 1, month * 1.0});
    // Page bodies are 900 high from 100; rows 21 apart.
    for (int start : {100, 800, 900, 940, 960, 980, 990}) {
        SCOPED_TRACE(start);
        testing::cRecordingSurface printer;
        printer.printer = true;
        cDrawContext dc(printer);
        int y = start;
        DrawStaffingTableRows(doc, dc, y, 0, table);
        EXPECT_EQ(PageOf(dc.layout, "    Staffing by Month"), PageOf(dc.layout, "1"));
        EXPECT_EQ(PageOf(dc.layout, "Month"), PageOf(dc.layout, "1"));
    }
    testing::cRecordingSurface screen;
    cDrawContext dc(screen);
    int y = 990;
    DrawStaffingTableRows(doc, dc, y, 0, table);
    EXPECT_EQ(dc.layout.Items().front().box.top, 990);
}

}  // namespace
}  // namespace korval
