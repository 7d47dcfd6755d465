#include "pdfwriter/cPdfContent.h"

#include <algorithm>

#include "pdfwriter/PdfSyntax.h"

namespace korval {

void cPdfContent::Number(double value, int decimals) {
    pdf::AppendNumber(out_, value, decimals);
    out_ += ' ';
}

double cPdfContent::Rounded(double value, int decimals) {
    static constexpr double kScales[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    const double scale = kScales[decimals];
    return std::round(value * scale) / scale;
}

void cPdfContent::Point(PdfPoint point) {
    Number(point.x);
    Number(point.y);
}

void cPdfContent::SetLine(double width, std::span<const double> dashes) {
    if (width != lineWidth_) {
        lineWidth_ = width;
        Number(width);
        out_ += "w\n";
    }
    if (!std::equal(dashes.begin(), dashes.end(), dashes_.begin(), dashes_.end())) {
        dashes_.assign(dashes.begin(), dashes.end());
        out_ += '[';
        for (double dash : dashes) Number(dash);
        out_ += "] 0 d\n";
    }
}

void cPdfContent::SetColor(PdfColor color, std::optional<PdfColor>& current,
                           std::string_view operation) {
    if (current == color) return;
    current = color;
    Number(color.red);
    Number(color.green);
    Number(color.blue);
    out_ += operation;
}

void cPdfContent::SetStrokeColor(PdfColor color) {
    SetColor(color, stroke_, "RG\n");
}

void cPdfContent::SetFillColor(PdfColor color) {
    SetColor(color, fill_, "rg\n");
}

void cPdfContent::Path(std::span<const PdfPoint> points) {
    Point(points.front());
    out_ += "m\n";
    for (PdfPoint point : points.subspan(1)) {
        Point(point);
        out_ += "l\n";
    }
}

void cPdfContent::StrokePolyline(std::span<const PdfPoint> points) {
    if (points.size() < 2) return;
    Path(points);
    out_ += "S\n";
}

void cPdfContent::FillRect(double left, double top, double width, double height) {
    Number(left);
    Number(top);
    Number(width);
    Number(height);
    out_ += "re f\n";
}

void cPdfContent::FillPolygon(std::span<const PdfPoint> points) {
    if (points.size() < 3) return;
    Path(points);
    out_ += "h f*\n";
}

void cPdfContent::UseFont(std::string_view font, double size) {
    if (font == font_ && size == fontSize_) return;
    font_ = font;
    fontSize_ = size;
    out_ += '/';
    out_ += font;
    out_ += ' ';
    Number(size);
    out_ += "Tf\n";
}

void cPdfContent::AppendGlyph(std::uint16_t glyph) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out_ += kHex[glyph >> 12];
    out_ += kHex[(glyph >> 8) & 0xF];
    out_ += kHex[(glyph >> 4) & 0xF];
    out_ += kHex[glyph & 0xF];
}

}  // namespace korval
