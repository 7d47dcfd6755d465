#pragma once

#include <span>
#include <vector>

#include "framework/cReportSurface.h"
#include "pdfwriter/cPdfContent.h"

// How report charts look on paper, and their drawing on a PDF page: shared by every surface
// that prints, so that a chart is the same whichever program printed it.
namespace korval::paper {

// Device units of a weight-1 line: about a screen pixel, three quarters of a point.
int LineUnit(int dpiY);
// A line's width in device units.
int LineWidth(const LineStyle& style, int lineUnit);
// Dashes and gaps in line widths; empty for a solid line.
std::vector<double> DashPattern(DashStyle dash);
// Ink black on white paper; faint and shade lie between them.
PdfColor ToneColor(Tone tone);
// The share of ink in a tone: 1 for ink, 0 for paper.
double InkShare(Tone tone);

void StrokeLines(cPdfContent& page, std::span<const SurfacePoint> points, const LineStyle& style,
                 int lineUnit, PdfColor color);
void FillRect(cPdfContent& page, const SurfaceRect& rect, PdfColor color);
void FillPolygon(cPdfContent& page, std::span<const SurfacePoint> points, PdfColor color);

}  // namespace korval::paper
