#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "framework/cModelDoc.h"
#include "framework/cReportPrinter.h"
#include "framework/cTextReportSurface.h"
#include "tests/support/TempDir.h"
#include "tests/support/cRecordingSurface.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::cRecordingSurface;

// A report of numbered rows with a mix of spacings, to exercise paging.
class cRowsDoc : public cModelDoc {
  public:
    cRowsDoc(cAppContext& context, int rows, DocumentKind kind = DocumentKind::Project)
        : cModelDoc(context, kind), rows_(rows) {}

    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override {
        int total = cModelDoc::DrawReport(dc, y, flags);
        for (int i = 0; i < rows_; ++i) {
            double spacing = i % 3 == 0 ? 1.5 : (i % 3 == 1 ? 0.5 : 0.05);
            total += DrawRow(dc, y, "", "Row " + std::to_string(i), "value", "", flags, spacing);
        }
        return FinishReport(dc, total);
    }

  private:
    int rows_;
};

class ReportLayoutTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, dir.File("none.ini")};
};

TEST_F(ReportLayoutTest, PageMetricsFollowTheSurface) {
    cRecordingSurface printer;
    printer.printer = true;
    PageMetrics m = PageMetrics::Compute(printer);
    EXPECT_EQ(m.topMargin, 100);
    EXPECT_EQ(m.leftMargin, 50);
    EXPECT_EQ(m.rightEdge, 800);
    EXPECT_EQ(m.bottomEdge, 1000);
    EXPECT_EQ(m.bodyHeight, 900);
    EXPECT_EQ(m.columnUnit, 12);
    EXPECT_EQ(m.column[2], 50 + 22 * 12);
    EXPECT_EQ(m.columnStep, 84);

    cRecordingSurface screen;
    m = PageMetrics::Compute(screen);
    EXPECT_EQ(m.topMargin, 5);
    EXPECT_EQ(m.rightEdge, 845);
}

TEST_F(ReportLayoutTest, RowAdvanceIsHeightPlusTruncatedSpacing) {
    cRowsDoc doc(context, 0);
    cRecordingSurface screen;
    cDrawContext dc(screen);
    unsigned flags = TextFlags::kBase;
    int y = 5;
    EXPECT_EQ(doc.DrawRow(dc, y, "", "a", "b", "c", flags, 0.5), 30);
    EXPECT_EQ(doc.DrawRow(dc, y, "", "", "", "", flags, 0.5), 10)
        << "an empty row advances by its spacing";
    EXPECT_EQ(doc.DrawRow(dc, y, "", "a", "", "", flags, 0.05), 21);
    EXPECT_EQ(y, 5 + 61);
    EXPECT_EQ(doc.DrawArrayRow(dc, y, {"x", "y", "z"}, flags, 0.0), 20);
    EXPECT_TRUE(screen.drawn.empty()) << "rows are placed, not drawn";
    dc.layout.DrawAll(screen);
    ASSERT_EQ(screen.drawn.size(), 7u);
    EXPECT_EQ(screen.drawn[6].rect.left, dc.metrics.column[1] + 2 * dc.metrics.columnStep);
}

TEST_F(ReportLayoutTest, DescriptionBlockFollowsItsSwitch) {
    cRowsDoc doc(context, 0);
    doc.SetDescriptionTexts("T", "P", "first\r\nsecond");
    cRecordingSurface screen;
    cDrawContext dc(screen);
    int y = 5;
    int advanced = doc.DrawReport(dc, y, TextFlags::kBase);
    dc.layout.DrawAll(screen);
    EXPECT_EQ(screen.Texts(), (std::vector<std::string>{"Title:", "T", "Prepared By:", "P",
                                                        "Description:", "first\r\nsecond"}));
    EXPECT_EQ(advanced, 30 + 30 + 50);
    EXPECT_TRUE(screen.drawn.back().flags & TextFlags::kWordBreak);
    EXPECT_EQ(doc.GetReportExtentHeight(), advanced + 50);

    doc.SetFilter(cModelDoc::kDescriptionSwitch, FilterState::Off);
    cRecordingSurface empty;
    cDrawContext dc2(empty);
    y = 5;
    EXPECT_EQ(doc.DrawReport(dc2, y, TextFlags::kBase), 0);
    dc2.layout.DrawAll(empty);
    EXPECT_TRUE(empty.drawn.empty());
}

// Every row appears exactly once, whole, between the top margin and the bottom edge of one
// page, and no page beyond the announced count is needed.
TEST_F(ReportLayoutTest, PrintedRowsAppearOnceWithinTheAnnouncedPages) {
    for (int rows : {1, 10, 29, 30, 31, 59, 60, 61, 200}) {
        for (int pageHeight : {400, 537, 1100}) {
            cRowsDoc doc(context, rows);
            doc.SetDescriptionTexts("T", "P", "a\r\nb\r\nc");
            cRecordingSurface printer;
            printer.printer = true;
            printer.height = pageHeight;
            cReportPrinter job(doc, printer);
            int pages = job.BeginPrinting(std::tm{});
            PageMetrics m = PageMetrics::Compute(printer);
            std::map<std::string, int> seen;
            for (int page = 1; page <= pages; ++page) {
                printer.drawn.clear();
                job.PrintPage(page);
                for (const auto& item : printer.drawn) {
                    if (item.rect.top < m.topMargin || item.rect.top >= m.bottomEdge)
                        continue;  // header, footer
                    EXPECT_LE(item.rect.top + printer.lineHeight, m.bottomEdge) << item.text;
                    if (item.text.rfind("Row ", 0) == 0) ++seen[item.text];
                }
            }
            ASSERT_EQ(seen.size(), static_cast<std::size_t>(rows))
                << rows << " rows, page " << pageHeight;
            for (const auto& [text, count] : seen) EXPECT_EQ(count, 1) << text;
        }
    }
}

TEST_F(ReportLayoutTest, PagesCarryHeaderAndFooter) {
    cRowsDoc doc(context, 3);
    doc.SetDocumentTitle("Project1");
    cRecordingSurface printer;
    printer.printer = true;
    cReportPrinter job(doc, printer);
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 14;
    time.tm_min = 5;
    ASSERT_EQ(job.BeginPrinting(time), 1);
    job.PrintPage(1);
    std::vector<std::string> texts = printer.Texts();
    EXPECT_EQ(texts.front(), "Korval");
    EXPECT_EQ(texts[1], "Project Report");
    EXPECT_EQ(printer.drawn[1].flags & TextFlags::kAlignMask, TextFlags::kRight);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
              (std::vector<std::string>{"PROJECT1.PRJ", "1", "12/07/2026 02:05PM"}));
}

TEST_F(ReportLayoutTest, FooterNamesTheFileOrTheUntitledDocument) {
    struct Case {
        DocumentKind kind;
        const char* path;
        const char* title;
        const char* expected;
    };
    const Case cases[] = {
        {DocumentKind::Project, "", "Project1", "PROJECT1.PRJ"},
        {DocumentKind::System, "", "", "UNTITLED.SLE"},
        {DocumentKind::Project, "/home/ann/MyPlan.prj", "", "MYPLAN.PRJ"},
        {DocumentKind::Cocomo, "C:\\PLANS\\big.ccm", "", "BIG.CCM"},
    };
    for (const Case& c : cases) {
        cRowsDoc doc(context, 0, c.kind);
        if (*c.path) doc.SetPathName(c.path);
        if (*c.title) doc.SetDocumentTitle(c.title);
        EXPECT_EQ(cReportPrinter::FooterFileName(doc), c.expected);
    }
}

TEST_F(ReportLayoutTest, TextSurfaceKeepsLabelsInTheirColumns) {
    cRowsDoc doc(context, 2);
    doc.SetDescriptionTexts("A title", "Me",
                            "A description long enough to wrap at the right edge of the "
                            "report when the surface is narrow enough to need it");
    cTextReportSurface surface(90);
    cDrawContext dc(surface);
    int y = 5;
    doc.DrawReport(dc, y, TextFlags::kBase);
    dc.layout.DrawAll(surface);
    EXPECT_EQ(
        surface.Render(),
        "    Title:                                  A title\n"
        "    Prepared By:                            Me\n"
        "    Description:                            A description long enough to wrap at the\n"
        "                                            right edge of the report when the surface is\n"
        "                                            narrow enough to need it\n"
        "    Row 0                                   value\n"
        "\n"
        "    Row 1                                   value\n");
}

}  // namespace
}  // namespace korval
