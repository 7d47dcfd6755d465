#pragma once

#include <span>
#include <string_view>

#include "framework/cDrawContext.h"

namespace korval {

struct ChartContent;

// One cell of a report row: the left edge it starts at and its text.
struct ReportCell {
    int x = 0;
    std::string_view text;
};

// Places one row of cells at y, as tall as its tallest cell, and moves y below it by the
// spacing (in lines); empty cells are skipped. On paper a row that would cross the bottom
// edge starts the next page. Returns the height advanced. Every report's rows, the
// documents' and the others', are placed by it.
// Where a row (or block) of the height starting at y0 goes: on paper one that would cross
// the bottom edge starts the next page, so it lies whole on exactly one page.
int ReportRowTop(const PageMetrics& metrics, int y0, int height);
// The printed page, counted from 1, of a row at that top; 1 on surfaces without pages.
int ReportPageOfRow(const PageMetrics& metrics, int top);

int PlaceReportRow(cDrawContext& dc, int& y, std::span<const ReportCell> cells, unsigned flags,
                   double spacing);

// Places a chart under its heading as one block that moves whole to the next page on paper,
// as wide as the report allows from column 1; for surfaces that draw graphics. Returns the
// height advanced.
int PlaceReportChart(cDrawContext& dc, int& y, std::string_view heading, const ChartContent& chart,
                     unsigned flags);

// The bands above and below a printed page's body, each with a text at its left, centre
// and right (empty texts are left out).
void DrawPageHeaderBand(cReportSurface& surface, const PageMetrics& metrics, std::string_view left,
                        std::string_view centre, std::string_view right);
void DrawPageFooterBand(cReportSurface& surface, const PageMetrics& metrics, std::string_view left,
                        std::string_view centre, std::string_view right);

}  // namespace korval
