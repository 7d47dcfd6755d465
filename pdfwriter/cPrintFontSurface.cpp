#include "pdfwriter/cPrintFontSurface.h"

#include <algorithm>
#include <cstdint>

#include "pdfwriter/ReportGraphics.h"
#include "pdfwriter/cPdfDocument.h"

namespace korval {

namespace {

// A coordinate in 64ths of a device unit as Qt's text drawing takes it: cut towards zero.
std::int32_t TextUnits(double coordinate) {
    return static_cast<std::int32_t>(coordinate * 64);
}

// Whole device units of a width in 64ths, rounded as Qt's font metrics round them.
int RoundedWidth(std::int32_t width64) {
    return (width64 + 32) >> 6;
}

}  // namespace

cPrintFontSurface::cPrintFontSurface(cPdfDocument& document, const PrintFontMetrics& font,
                                     int fontNumber)
    : document_(document),
      font_(font),
      fontNumber_(fontNumber),
      lineUnit_(paper::LineUnit(font.dpiY)) {}

int cPrintFontSurface::TextWidth(std::string_view text) const {
    if (IsPlainLine(text, 0)) return RoundedWidth(font_.Width64(text));
    if (!text.empty()) needsTextLayout_ = true;
    return 0;
}

void cPrintFontSurface::ShowLine(std::string_view text, double x, double baseline) {
    std::vector<PlacedGlyph> glyphs;
    glyphs.reserve(text.size());
    std::int32_t at = TextUnits(x);
    for (char c : text) {
        glyphs.push_back(
            {font_.GlyphOf(c), at / 64.0, font_.AdvanceOf(c) / 64.0, static_cast<char32_t>(c)});
        at += font_.AdvanceOf(c);
    }
    document_.Page().SetFillColor(paper::ToneColor(Tone::kInk));
    document_.ShowGlyphs(fontNumber_, font_.pixelSize, TextUnits(baseline) / 64.0, glyphs);
}

int cPrintFontSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    const bool wraps = (flags & TextFlags::kWordBreak) != 0;
    if (text.empty()) return wraps ? font_.emptyWrappedTextHeight : font_.emptyTextHeight;
    // Tabs are expanded only where there are tabs, and a plain line has none.
    if (!IsPlainLine(text, flags & ~TextFlags::kWordBreak)) {
        needsTextLayout_ = true;
        return font_.plainLineHeight;
    }
    // The box as Qt takes it: at least one unit wide.
    const int boxWidth = std::max(1, rect.right - rect.left);
    const std::int32_t width64 = font_.Width64(text);
    const unsigned align = flags & TextFlags::kAlignMask;
    if (wraps) {
        // A text that may wrap is drawn here only where it surely fits on one line, from the
        // left, with no spaces at its ends for the layout to treat apart.
        if (align != TextFlags::kBase || width64 >= (boxWidth - 1) * 64 || text.front() == ' ' ||
            text.back() == ' ') {
            needsTextLayout_ = true;
            return font_.wrappedLineHeight;
        }
        if (!(flags & TextFlags::kMeasureOnly))
            ShowLine(text, rect.left, rect.top + font_.wrappedLineAscent);
        return font_.wrappedLineHeight;
    }
    if (flags & TextFlags::kMeasureOnly) return font_.plainLineHeight;
    const double width = width64 / 64.0;
    double left = rect.left;
    if (align == TextFlags::kRight) left += boxWidth - width;
    if (align == TextFlags::kCenter) left += (boxWidth - width) / 2;
    ShowLine(text, left, rect.top + font_.lineAscent);
    return font_.plainLineHeight;
}

void cPrintFontSurface::DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) {
    if (text.empty()) return;
    if (!IsPlainLine(text, 0)) {
        needsTextLayout_ = true;
        return;
    }
    const int width = RoundedWidth(font_.Width64(text));
    int left = at.x;
    if ((flags & TextFlags::kAlignMask) == TextFlags::kCenter) left -= width / 2;
    if ((flags & TextFlags::kAlignMask) == TextFlags::kRight) left -= width;
    ShowLine(text, left, at.y + font_.pointAscent);
}

void cPrintFontSurface::DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) {
    SurfacePoint ends[] = {from, to};
    paper::StrokeLines(document_.Page(), ends, style, lineUnit_, paper::ToneColor(style.tone));
}

void cPrintFontSurface::DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) {
    paper::StrokeLines(document_.Page(), points, style, lineUnit_, paper::ToneColor(style.tone));
}

void cPrintFontSurface::FillRect(const SurfaceRect& rect, Tone tone) {
    paper::FillRect(document_.Page(), rect, paper::ToneColor(tone));
}

void cPrintFontSurface::FillPolygon(std::span<const SurfacePoint> points, Tone tone) {
    paper::FillPolygon(document_.Page(), points, paper::ToneColor(tone));
}

}  // namespace korval
