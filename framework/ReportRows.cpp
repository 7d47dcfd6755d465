#include "framework/ReportRows.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "framework/NumberText.h"
#include "framework/chart/cChartLayout.h"
#include "framework/chart/cChartPicture.h"

namespace korval {

namespace {

void DrawBand(cReportSurface& surface, const SurfaceRect& band, std::string_view left,
              std::string_view centre, std::string_view right) {
    if (!left.empty()) surface.DrawText(left, band, TextFlags::kBase);
    if (!centre.empty()) surface.DrawText(centre, band, TextFlags::kCenter);
    if (!right.empty()) surface.DrawText(right, band, TextFlags::kRight);
}

// Charts take the report's width from its second column, but no more than reads well on a
// wide window, and no less than leaves room for their axes on a narrow one.
int ChartWidth(const PageMetrics& m) {
    int available = m.rightEdge - m.column[1];
    return std::max(std::min(available, 90 * m.columnUnit), 40 * m.columnUnit);
}

// On the screen, where nothing bounds it, a chart is kept within about a printed page.
int ChartMaxHeight(const PageMetrics& m) {
    return m.paged ? m.bodyHeight : 50 * m.text.height;
}

}  // namespace

// Every row lies whole between the top margin and the bottom edge of exactly one page, so
// the page count taken from the report's height holds every row.
int ReportRowTop(const PageMetrics& m, int y0, int height) {
    if (!m.paged || m.bodyHeight <= 0) return y0;
    int offset = y0 - m.topMargin;
    int pageIndex = offset / m.bodyHeight;
    int positionOnPage = offset - pageIndex * m.bodyHeight;
    if (positionOnPage > 0 && positionOnPage + height > m.bodyHeight) {
        return m.topMargin + (pageIndex + 1) * m.bodyHeight;
    }
    return y0;
}

int ReportPageOfRow(const PageMetrics& m, int top) {
    if (!m.paged || m.bodyHeight <= 0) return 1;
    return (top - m.topMargin) / m.bodyHeight + 1;
}

void DrawPageHeaderBand(cReportSurface& surface, const PageMetrics& metrics, std::string_view left,
                        std::string_view centre, std::string_view right) {
    DrawBand(surface,
             {metrics.leftMargin, metrics.topMargin / 2, metrics.rightEdge, metrics.topMargin},
             left, centre, right);
}

void DrawPageFooterBand(cReportSurface& surface, const PageMetrics& metrics, std::string_view left,
                        std::string_view centre, std::string_view right) {
    int top = metrics.bottomEdge + metrics.topMargin / 3;
    DrawBand(surface, {metrics.leftMargin, top, metrics.rightEdge, top + metrics.text.height}, left,
             centre, right);
}

int PlaceReportRow(cDrawContext& dc, int& y, std::span<const ReportCell> cells, unsigned flags,
                   double spacing) {
    const PageMetrics& m = dc.metrics;
    int y0 = std::max(y, m.topMargin);
    int height = 0;
    for (const ReportCell& cell : cells) {
        if (cell.text.empty()) continue;
        SurfaceRect rect{cell.x, y0, m.rightEdge, y0 + m.text.height};
        std::optional<std::string> capped = WithHugeNumbersCapped(cell.text);
        height = std::max(height, dc.surface.DrawText(capped ? *capped : cell.text, rect,
                                                      flags | TextFlags::kMeasureOnly));
    }
    int top = ReportRowTop(m, y0, height);
    int page = ReportPageOfRow(m, top);
    for (const ReportCell& cell : cells) {
        if (cell.text.empty()) continue;
        dc.layout.Add({cReportItem::Kind::kText,
                       page,
                       {cell.x, top, m.rightEdge, top + height},
                       flags & ~TextFlags::kMeasureOnly,
                       WithHugeNumbersCapped(cell.text).value_or(std::string(cell.text)),
                       nullptr});
    }
    int next = top + height + static_cast<int>(m.text.height * spacing);
    y = next;
    return next - y0;
}

int PlaceReportChart(cDrawContext& dc, int& y, std::string_view heading, const ChartContent& chart,
                     unsigned flags) {
    const PageMetrics& m = dc.metrics;
    // Half a line apart from the rows before, whatever spacing they end with.
    int from = std::max(y, m.topMargin);
    int y0 = from + m.text.height / 2;
    int headingHeight = m.text.height * 3 / 2;
    int width = ChartWidth(m);
    int height = cChartLayout::PreferredHeight(chart, m.text, ChartMaxHeight(m) - headingHeight);
    int top = ReportRowTop(m, y0, headingHeight + height);
    int page = ReportPageOfRow(m, top);
    int left = m.column[1];
    unsigned placed = flags & ~TextFlags::kMeasureOnly;
    dc.layout.Add({cReportItem::Kind::kText,
                   page,
                   {left, top, m.rightEdge, top + m.text.height},
                   placed,
                   std::string(heading),
                   nullptr});
    int chartTop = top + headingHeight;
    cReportItem item{cReportItem::Kind::kChart,
                     page,
                     {left, chartTop, left + width, chartTop + height},
                     placed,
                     std::string(heading),
                     nullptr};
    item.chart = std::make_shared<const cChartPicture>(
        cChartLayout(chart, dc.surface).LayOut(width, height));
    dc.layout.Add(std::move(item));
    y = chartTop + height + m.text.height / 2;
    return y - from;
}

}  // namespace korval
