#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "framework/cReportSurface.h"
#include "pdfwriter/PrintFontMetrics.h"

namespace korval {

class cPdfDocument;

// A printed page drawn into a PDF document without Qt, from the print font's metrics as Qt
// measured them: plain lines (and empty texts) are measured and placed exactly as Qt's
// layout does on a PDF page. Any other text (wrapped, tabbed, other scripts) needs Qt's
// layout; the surface then says so and the pages must be printed through Qt instead.
class cPrintFontSurface : public cReportSurface {
  public:
    cPrintFontSurface(cPdfDocument& document, const PrintFontMetrics& font, int fontNumber);

    // True once a text was given that only Qt's layout can measure or draw.
    bool NeedsTextLayout() const { return needsTextLayout_; }

    bool IsPrinter() const override { return true; }
    int DeviceWidth() const override { return font_.deviceWidth; }
    int DeviceHeight() const override { return font_.deviceHeight; }
    int ClientWidth() const override { return font_.deviceWidth; }
    int ClientHeight() const override { return font_.deviceHeight; }
    int PixelsPerInchX() const override { return font_.dpiX; }
    int PixelsPerInchY() const override { return font_.dpiY; }
    TextMetrics GetTextMetrics() const override { return font_.text; }
    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override;
    int TextWidth(std::string_view text) const override;
    void DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) override;
    void DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) override;
    void FillRect(const SurfaceRect& rect, Tone tone) override;
    void FillPolygon(std::span<const SurfacePoint> points, Tone tone) override;
    void DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) override;

  private:
    int DrawWrapped(std::string_view text, int left, int top, int boxWidth, unsigned flags);
    // Draws a plain line with its first glyph's origin at x on the baseline.
    void ShowLine(std::string_view text, double x, double baseline);

    cPdfDocument& document_;
    const PrintFontMetrics& font_;
    int fontNumber_;
    int lineUnit_;
    mutable bool needsTextLayout_ = false;
};

}  // namespace korval
