#pragma once

#include <QPainter>
#include <QRawFont>
#include <memory>
#include <optional>
#include <vector>

#include "app/qt/cQtPrinterSurface.h"
#include "app/qt/cTextRunRecorder.h"
#include "pdfwriter/cTrueTypeTables.h"

namespace korval {

class cPdfDocument;
struct PlacedGlyph;

// A printed page drawn straight into a PDF document: measured exactly as a printer page of
// the same resolution is, and drawn where Qt's PDF engine would draw it, but with each
// line of text written as one run instead of glyph by glyph. Qt lays out what is not a
// plain line (wrapped or tabbed text, other scripts); its runs are shaped again here.
class cQtPdfSurface : public cQtPrinterSurface {
  public:
    cQtPdfSurface(cPdfDocument& document, const QPaintDevice& device);
    ~cQtPdfSurface() override;

    // The tables of a font to embed, and its name as a PDF names it.
    static cTrueTypeTables TablesOf(const QRawFont& font);
    static std::string FontName(const QRawFont& font);

    // False once text was drawn in a font the document cannot embed (outlines other than
    // TrueType's): the pages are then incomplete.
    bool AllFontsEmbedded() const { return allFontsEmbedded_; }

    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override;
    void DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) override;
    void DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) override;
    void FillRect(const SurfaceRect& rect, Tone tone) override;
    void FillPolygon(std::span<const SurfacePoint> points, Tone tone) override;
    void DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) override;

  protected:
    bool DrawsPlainLinesAsGlyphs() const override { return true; }

  private:
    // Draws what the painter of the recorder laid out.
    template <typename Paint>
    void DrawLaidOut(Paint paint);
    void ShowRun(const cTextRunRecorder::Run& run);
    void ShowGlyphs(const QRawFont& font, qreal baseline, const std::vector<PlacedGlyph>& glyphs);
    std::optional<int> FontNumber(const QRawFont& font);

    cPdfDocument& document_;
    const QPaintDevice& device_;
    std::unique_ptr<cTextRunRecorder> recorder_;
    QPainter recorderPainter_;
    std::vector<std::pair<QRawFont, std::optional<int>>> fonts_;
    bool allFontsEmbedded_ = true;
};

}  // namespace korval
