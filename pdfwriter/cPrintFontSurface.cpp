#include "pdfwriter/cPrintFontSurface.h"

#include <algorithm>
#include <cstdint>

#include "framework/TextUtil.h"
#include "pdfwriter/PlainParagraphs.h"
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
    // The box as Qt takes it: at least one unit wide.
    const int boxWidth = std::max(1, rect.right - rect.left);
    if (wraps) return DrawWrapped(text, rect.left, rect.top, boxWidth, flags);
    // Tabs are expanded only where there are tabs, and a plain line has none.
    if (!IsPlainLine(text, flags)) {
        needsTextLayout_ = true;
        return font_.plainLineHeight;
    }
    if (flags & TextFlags::kMeasureOnly) return font_.plainLineHeight;
    const double left = AlignedInBox(rect.left, boxWidth, font_.Width64(text) / 64.0, flags);
    ShowLine(text, left, rect.top + font_.lineAscent);
    return font_.plainLineHeight;
}

// A text that may wrap, drawn here when it is left-aligned and its lines are known to be
// the ones Qt's layout makes.
int cPrintFontSurface::DrawWrapped(std::string_view text, int left, int top, int boxWidth,
                                   unsigned flags) {
    const std::string printable = PrintableText(text);
    const bool plain = std::all_of(printable.begin(), printable.end(),
                                   [](char c) { return (c >= ' ' && c <= '~') || c == '\n'; });
    std::optional<std::vector<std::string>> lines;
    if (plain && (flags & TextFlags::kAlignMask) == TextFlags::kBase)
        lines = BreakIntoLines(printable, font_, std::int64_t{boxWidth} * 64);
    if (!lines || lines->empty() || lines->size() > font_.wrappedBaselines.size()) {
        needsTextLayout_ = true;
        return font_.plainLineHeight;
    }
    if (!(flags & TextFlags::kMeasureOnly)) {
        for (std::size_t line = 0; line < lines->size(); ++line)
            if (!(*lines)[line].empty())
                ShowLine((*lines)[line], left, top + font_.wrappedBaselines[line]);
    }
    return font_.wrappedHeights[lines->size() - 1];
}

void cPrintFontSurface::DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) {
    if (text.empty()) return;
    if (!IsPlainLine(text, 0)) {
        needsTextLayout_ = true;
        return;
    }
    ShowLine(text, AlignedAtPoint(at.x, RoundedWidth(font_.Width64(text)), flags),
             at.y + font_.pointAscent);
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
