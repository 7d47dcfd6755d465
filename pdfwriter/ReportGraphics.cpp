#include "pdfwriter/ReportGraphics.h"

#include <algorithm>

namespace korval::paper {

namespace {

std::vector<PdfPoint> PdfPointsOf(std::span<const SurfacePoint> points) {
    std::vector<PdfPoint> converted;
    converted.reserve(points.size());
    for (SurfacePoint point : points)
        converted.push_back({static_cast<double>(point.x), static_cast<double>(point.y)});
    return converted;
}

}  // namespace

int LineUnit(int dpiY) {
    return std::max(1, (dpiY + 48) / 96);
}

int LineWidth(const LineStyle& style, int lineUnit) {
    return std::max(1, style.weight) * lineUnit;
}

std::vector<double> DashPattern(DashStyle dash) {
    switch (dash) {
        case DashStyle::kDashed:
            return {5, 3};
        case DashStyle::kDotted:
            return {1, 2};
        case DashStyle::kSolid:
            break;
    }
    return {};
}

double InkShare(Tone tone) {
    switch (tone) {
        case Tone::kFaint:
            return 0.45;
        case Tone::kShade:
            return 0.12;
        case Tone::kPaper:
            return 0;
        case Tone::kInk:
            break;
    }
    return 1;
}

PdfColor ToneColor(Tone tone) {
    double level = 1 - InkShare(tone);
    return {level, level, level};
}

void StrokeLines(cPdfContent& page, std::span<const SurfacePoint> points, const LineStyle& style,
                 int lineUnit, PdfColor color) {
    if (points.size() < 2) return;
    const double width = LineWidth(style, lineUnit);
    std::vector<double> dashes = DashPattern(style.dash);
    for (double& dash : dashes) dash *= width;
    page.SetLine(width, dashes);
    page.SetStrokeColor(color);
    page.StrokePolyline(PdfPointsOf(points));
}

void FillRect(cPdfContent& page, const SurfaceRect& rect, PdfColor color) {
    page.SetFillColor(color);
    page.FillRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void FillPolygon(cPdfContent& page, std::span<const SurfacePoint> points, PdfColor color) {
    if (points.size() < 3) return;
    page.SetFillColor(color);
    page.FillPolygon(PdfPointsOf(points));
}

}  // namespace korval::paper
