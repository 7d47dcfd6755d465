// Charts: round axes, the layout of every kind of chart inside its rectangle, the chart
// block kept whole on one printed page, and the table the character surface prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/NumberText.h"
#include "framework/cModelDoc.h"
#include "framework/cTextReportSurface.h"
#include "framework/chart/ChartScale.h"
#include "framework/chart/ChartTable.h"
#include "framework/chart/HatchLines.h"
#include "framework/chart/cChartLayout.h"
#include "tests/support/TempDir.h"
#include "tests/support/cRecordingSurface.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::cRecordingSurface;
using Shape = cRecordingSurface::Shape;

// The mantissa of a round step: 1, 2, 2.5 or 5 (10 reads as the next power's 1).
bool IsRoundStep(double step) {
    double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    for (double round : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (std::fabs(mantissa - round) < 1e-6) return true;
    }
    return false;
}

bool IsMultiple(double value, double step) {
    double ratio = value / step;
    return std::fabs(ratio - std::round(ratio)) < 1e-6;
}

TEST(ChartScaleTest, TicksAreRoundAndCoverTheData) {
    struct Case {
        double low, high;
        int maxTicks;
        double step;  // 0: any round step
    };
    const Case cases[] = {
        {0, 37.2, 5, 10},   {0, 37.2, 8, 5},   {0, 1, 4, 0.25}, {0, 0.013, 5, 0.005},
        {0, 9.9, 10, 1},    {0, 100, 10, 10},  {0, 7, 3, 2.5},  {0, 123456, 6, 25000},
        {0, 2.3, 12, 0.2},  {0, 61.4, 12, 0},  {-3, 17, 4, 10}, {0, 1e-4, 3, 0},
        {0, 999.9, 2, 500}, {0, 3.0001, 3, 2},
    };
    for (const Case& c : cases) {
        ChartScale scale = ChartScale::Covering(c.low, c.high, c.maxTicks);
        SCOPED_TRACE(FormatNumber("%g..%g in %d", c.low, c.high, c.maxTicks));
        if (c.step > 0) {
            EXPECT_DOUBLE_EQ(scale.step, c.step);
        }
        EXPECT_TRUE(IsRoundStep(scale.step)) << scale.step;
        EXPECT_LE(scale.low, c.low);
        EXPECT_GE(scale.high, c.high);
        EXPECT_TRUE(IsMultiple(scale.low, scale.step));
        EXPECT_TRUE(IsMultiple(scale.high, scale.step));
        std::vector<double> ticks = scale.Ticks();
        EXPECT_LE(static_cast<int>(ticks.size()) - 1, c.maxTicks);
        for (double tick : ticks) {
            // Each tick's text is its value exactly, without trailing noise.
            EXPECT_NEAR(ParseLeadingDouble(scale.TickText(tick)), tick, scale.step * 1e-6);
        }
    }
}

TEST(ChartScaleTest, NoDataGivesAUnitScale) {
    for (auto [low, high] :
         std::vector<std::pair<double, double>>{{0, 0}, {5, 1}, {0, NAN}, {0, INFINITY}}) {
        ChartScale scale = ChartScale::Covering(low, high, 5);
        EXPECT_EQ(scale.low, 0);
        EXPECT_EQ(scale.high, 1);
    }
    ChartScale single = ChartScale::Covering(4, 4, 5);
    EXPECT_EQ(single.low, 0) << "one value still shows from 0";
    EXPECT_GE(single.high, 4);
}

TEST(HatchLinesTest, LinesStayInsideTheArea) {
    const std::vector<SurfacePoint> rect = {{10, 10}, {110, 10}, {110, 60}, {10, 60}};
    const std::vector<SurfacePoint> triangle = {{0, 100}, {50, 0}, {100, 100}};
    struct Case {
        const std::vector<SurfacePoint>* polygon;
        Hatch hatch;
        std::size_t atLeast;
    };
    const Case cases[] = {{&rect, Hatch::kHorizontal, 10},   {&rect, Hatch::kVertical, 20},
                          {&rect, Hatch::kForward, 20},      {&rect, Hatch::kCross, 40},
                          {&triangle, Hatch::kBackward, 20}, {&rect, Hatch::kNone, 0}};
    for (const Case& c : cases) {
        std::vector<HatchSegment> lines = HatchLines(*c.polygon, c.hatch, 5);
        EXPECT_GE(lines.size(), c.atLeast);
        if (c.hatch == Hatch::kNone) {
            EXPECT_TRUE(lines.empty());
        }
        for (const HatchSegment& line : lines) {
            for (SurfacePoint p :
                 {line.from, line.to,
                  SurfacePoint{(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2}}) {
                bool inside = c.polygon == &rect ? p.x >= 10 && p.x <= 110 && p.y >= 10 && p.y <= 60
                                                 : p.y <= 100 && p.y >= 2 * std::abs(p.x - 50) - 1;
                EXPECT_TRUE(inside) << p.x << "," << p.y;
            }
        }
    }
}

// --- Charts of each kind ---------------------------------------------------------------

ChartSeries Curve(std::string name, double peakX, double peakY, LineStyle line) {
    ChartSeries series;
    series.name = std::move(name);
    series.column = "Curve";
    series.line = line;
    for (int i = 0; i <= 60; ++i) {
        double t = peakX * 3 * i / 60;
        double s = t / peakX;
        series.points.push_back({t, peakY * s * std::exp(0.5 * (1 - s * s))});
    }
    return series;
}

ChartContent StaffingCurve() {
    ChartContent content;
    content.series.push_back(
        Curve("Staffing, 27.3 person-years", 15, 12.3, {DashStyle::kSolid, 2}));
    ChartSeries band = Curve("Low - high", 15, 10, {});
    band.shape = SeriesShape::kBand;
    band.column = "Range";
    band.area = {Tone::kShade, Hatch::kForward, true};
    for (const ChartPoint& point : band.points) band.upper.push_back(point.y * 1.6);
    content.series.push_back(band);
    content.markers.push_back({15, "End of main build"});
    content.peaks.push_back({15, 12.3, "Peak 12.3 people"});
    return content;
}

ChartContent PhaseProfile() {
    ChartContent content;
    ChartSeries steps;
    steps.name = "COCOMO phases, 131.0 person-months";
    steps.column = "COCOMO";
    steps.shape = SeriesShape::kSteps;
    steps.area = {Tone::kShade, Hatch::kBackward, true};
    steps.points = {{0, 4.1}, {3.5, 7.9}, {9.5, 6.2}, {13.8, 0}};
    steps.stepLabels = {"Product design", "Programming", "Integration and test"};
    content.series.push_back(steps);
    content.series.push_back(
        Curve("Putnam, 150.2 person-months", 11, 8.4, {DashStyle::kDashed, 2}));
    return content;
}

ChartContent Gantt(int members) {
    ChartContent content;
    content.yUnit.clear();
    content.categories = {{"Product design", {Tone::kShade, Hatch::kHorizontal, true}},
                          {"Programming", {Tone::kShade, Hatch::kForward, true}},
                          {"Integration and test", {Tone::kShade, Hatch::kCross, true}},
                          {"Final test", {Tone::kFaint, Hatch::kNone, true}}};
    content.rows.push_back({"Product design", {{0, 6, 0}}, false});
    for (int i = 0; i < members; ++i) {
        double start = 6 + (i % 7);
        content.rows.push_back({"Member " + std::to_string(i + 1),
                                {{start, start + 9, 1}, {start + 9, start + 13, 2}},
                                i % 5 == 3});
    }
    content.rows.push_back({"Final test", {{19 + 6, 19 + 9, 3}}, false});
    return content;
}

struct ChartCase {
    const char* name;
    ChartContent content;
};

std::vector<ChartCase> ChartCases() {
    return {{"staffing curve", StaffingCurve()},
            {"phase profile", PhaseProfile()},
            {"small Gantt", Gantt(4)},
            {"large Gantt", Gantt(1000)},
            {"empty", ChartContent{}}};
}

std::vector<Shape> Drawn(const ChartContent& content, const cRecordingSurface& measures, int width,
                         int height) {
    cRecordingSurface surface = measures;
    cChartLayout(content, surface).LayOut(width, height).Draw(surface, 0, 0);
    return surface.shapes;
}

TEST(ChartLayoutTest, EverythingLiesInsideTheChart) {
    cRecordingSurface surface;
    const std::pair<int, int> sizes[] = {{700, 360}, {400, 200}, {1200, 900}, {320, 1000}};
    for (const ChartCase& c : ChartCases()) {
        for (auto [width, height] : sizes) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(width) + "x" +
                         std::to_string(height));
            std::vector<Shape> shapes = Drawn(c.content, surface, width, height);
            EXPECT_FALSE(shapes.empty());
            for (const Shape& shape : shapes) {
                EXPECT_GE(shape.bounds.left, 0) << shape.text;
                EXPECT_GE(shape.bounds.top, 0) << shape.text;
                EXPECT_LE(shape.bounds.right, width) << shape.text;
                EXPECT_LE(shape.bounds.bottom, height) << shape.text;
            }
        }
    }
}

// Each series leaves its drawing and its legend entry; each marker and peak its label.
TEST(ChartLayoutTest, EverySeriesMarkerAndPeakIsDrawn) {
    cRecordingSurface surface;
    for (const ChartCase& c : ChartCases()) {
        SCOPED_TRACE(c.name);
        std::vector<Shape> shapes = Drawn(c.content, surface, 700, 360);
        auto texts = [&] {
            std::vector<std::string> all;
            for (const Shape& s : shapes)
                if (s.kind == Shape::Kind::kText) all.push_back(s.text);
            return all;
        }();
        auto has = [&](const std::string& text) {
            return std::find(texts.begin(), texts.end(), text) != texts.end();
        };
        std::size_t lines = std::count_if(shapes.begin(), shapes.end(), [](const Shape& s) {
            return s.kind == Shape::Kind::kPolyline && s.points.size() > 4;
        });
        EXPECT_GE(lines, c.content.series.size());
        for (const ChartSeries& series : c.content.series)
            EXPECT_TRUE(has(series.name)) << series.name;
        for (const ChartMarker& marker : c.content.markers) EXPECT_TRUE(has(marker.label));
        for (const ChartPeak& peak : c.content.peaks) EXPECT_TRUE(has(peak.label));
        for (const ChartCategory& category : c.content.categories) EXPECT_TRUE(has(category.name));
        if (c.content.IsGantt()) {
            EXPECT_TRUE(has(c.content.missingLabel));
        }
        if (!c.content.xUnit.empty()) {
            EXPECT_TRUE(has(c.content.xUnit));
        }
    }
}

// The largest tick label reaches the data: no curve is cut at the top or the right.
TEST(ChartLayoutTest, AxesCoverTheData) {
    cRecordingSurface surface;
    struct Case {
        ChartContent content;
        double right;
        double top;
    };
    const Case cases[] = {
        {StaffingCurve(), 45, 12.3 * 1.6}, {PhaseProfile(), 33, 8.4}, {Gantt(4), 28, 0}};
    for (const Case& c : cases) {
        double largest = 0;
        for (const Shape& shape : Drawn(c.content, surface, 700, 360)) {
            if (shape.kind == Shape::Kind::kText && IsWholeNumberText(shape.text))
                largest = std::max(largest, ParseLeadingDouble(shape.text));
        }
        EXPECT_GE(largest, c.right);
        EXPECT_GE(largest, c.top);
    }
}

// --- The chart block in a report ---------------------------------------------------------

// Rows, a chart, rows: the chart after `before` rows.
class cChartDoc : public cModelDoc {
  public:
    cChartDoc(cAppContext& context, ChartContent content, int before)
        : cModelDoc(context, DocumentKind::Cocomo), content_(std::move(content)), before_(before) {
        SetFilter(kDescriptionSwitch, FilterState::Off);
    }

    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override {
        int total = 0;
        for (int i = 0; i < before_; ++i)
            total += DrawRow(dc, y, "", "Row " + std::to_string(i), "value", "", flags, 0.5);
        total += DrawChart(dc, y, "Staffing Chart", content_, flags);
        total += DrawRow(dc, y, "", "After", "value", "", flags, 0.5);
        return FinishReport(dc, total);
    }

  private:
    ChartContent content_;
    int before_;
};

class ChartBlockTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, dir.File("none.ini")};
};

const cReportItem* ChartItem(const cReportLayout& layout) {
    for (const cReportItem& item : layout.Items()) {
        if (item.kind == cReportItem::Kind::kChart) return &item;
    }
    return nullptr;
}

TEST_F(ChartBlockTest, ChartLiesWholeOnOnePageOfAnyHeight) {
    for (const ChartCase& c : ChartCases()) {
        for (int pageHeight : {700, 900, 1100, 1400, 2000}) {
            for (int before : {0, 7, 13, 29, 40}) {
                SCOPED_TRACE(std::string(c.name) +
                             FormatNumber(" page %d, %d rows before", pageHeight, before));
                cChartDoc doc(context, c.content, before);
                cRecordingSurface printer;
                printer.printer = true;
                printer.height = pageHeight;
                cReportLayout layout = doc.LayOutReport(printer);
                const PageMetrics& m = layout.Metrics();
                const cReportItem* chart = ChartItem(layout);
                ASSERT_NE(chart, nullptr);
                int pageTop = m.topMargin + (chart->page - 1) * m.bodyHeight;
                EXPECT_GE(chart->box.top, pageTop);
                EXPECT_LE(chart->box.bottom, pageTop + m.bodyHeight);
                EXPECT_LE(chart->page, layout.PageCount());
                const cReportItem& heading = *(chart - 1);
                EXPECT_EQ(heading.text, "Staffing Chart");
                EXPECT_EQ(heading.page, chart->page) << "the heading stays with its chart";
                const cReportItem& after = layout.Items().back();
                EXPECT_GE(after.box.top, chart->box.bottom) << "the next row follows the chart";
                // Printing its page draws it there, moved up onto the page.
                layout.DrawPage(printer, chart->page);
                ASSERT_FALSE(printer.shapes.empty());
                for (const Shape& shape : printer.shapes) {
                    EXPECT_GE(shape.bounds.top, m.topMargin);
                    EXPECT_LE(shape.bounds.bottom, m.bottomEdge);
                }
            }
        }
    }
}

TEST_F(ChartBlockTest, ScreenDrawsTheChartWhenItReachesIntoTheBand) {
    cChartDoc doc(context, StaffingCurve(), 3);
    cRecordingSurface screen;
    cReportLayout layout = doc.LayOutReport(screen);
    const cReportItem* chart = ChartItem(layout);
    ASSERT_NE(chart, nullptr);
    struct Case {
        int top, bottom;
        bool drawn;
    };
    const Case cases[] = {{0, chart->box.top, false},
                          {chart->box.top + 50, chart->box.top + 60, true},
                          {chart->box.bottom - 1, chart->box.bottom + 100, true},
                          {chart->box.bottom, chart->box.bottom + 100, false}};
    for (const Case& c : cases) {
        screen.shapes.clear();
        layout.DrawWithin(screen, c.top, c.bottom);
        EXPECT_EQ(!screen.shapes.empty(), c.drawn) << c.top << ".." << c.bottom;
    }
}

TEST_F(ChartBlockTest, CharacterSurfacePrintsTheChartsTable) {
    struct Case {
        ChartContent content;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {StaffingCurve(),
         {"Curve: Staffing, 27.3 person-years", "End of main build at 15.0 Months",
          "Peak 12.3 people at 15.0 Months", "Months        Curve         Range",
          "15            12.3          10.0-16.0"}},
        {PhaseProfile(), {"Months        COCOMO        Curve", "0             4.1           0.0"}},
        {Gantt(4),
         {"Staffing Chart", "Member 4 (missing)", "Integration and test", "Final test",
          "25.0 - 28.0"}},
    };
    for (const Case& c : cases) {
        cChartDoc doc(context, c.content, 1);
        cTextReportSurface text;
        doc.LayOutReport(text).DrawAll(text);
        std::string rendered = text.Render();
        EXPECT_EQ(ChartItem(doc.LayOutReport(text)), nullptr);
        for (const std::string& line : c.lines) {
            EXPECT_NE(rendered.find(line), std::string::npos) << line << " in\n" << rendered;
        }
    }
}

TEST(ChartTableTest, SeriesValuesBetweenPoints) {
    ChartSeries line;
    line.points = {{0, 0}, {10, 5}, {20, 1}};
    ChartSeries steps = line;
    steps.shape = SeriesShape::kSteps;
    struct Case {
        const ChartSeries* series;
        double x, value;
    };
    const Case cases[] = {{&line, 5, 2.5},   {&line, 15, 3},  {&line, 20, 1},
                          {&line, 21, 0},    {&steps, 5, 0},  {&steps, 10, 5},
                          {&steps, 19.9, 5}, {&steps, 20, 0}, {&line, -1, 0}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(SeriesValueAt(*c.series, c.x), c.value) << c.x;
}

}  // namespace
}  // namespace korval
