#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointF>
#include <memory>

#include "framework/cReportSurface.h"

class QPainter;
class QPalette;
class QRect;

namespace korval {

class cPlainTextGlyphs;

// Report text through a QPainter: metrics from the surface's font on its device, text
// placed in its rectangle with the report's alignment and wrapping flags. Line breaks
// stored as CR LF break lines here as they do in the report's edit fields. Charts are
// painted in black on white, or in the colours of a palette (SetPalette); line weights grow
// with the device's resolution, so a hairline stays visible on paper.
class cQtReportSurface : public cReportSurface {
  public:
    // painter may be null: every call then only measures. Paper is black on white; the
    // screen gives the text colour of its palette.
    cQtReportSurface(QPainter* painter, const QFont& font, const QPaintDevice* device,
                     const QColor& textColour = Qt::black);

    TextMetrics GetTextMetrics() const override;
    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override;
    int TextWidth(std::string_view text) const override;
    void DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) override;
    void DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) override;
    void FillRect(const SurfaceRect& rect, Tone tone) override;
    void FillPolygon(std::span<const SurfacePoint> points, Tone tone) override;
    void DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) override;

    // Ink from the palette's text colour over its base colour; tones between the two.
    void SetPalette(const QPalette& palette);
    QColor ColorOf(Tone tone) const;

    const QFont& Font() const { return font_; }
    // How far below its top a plain line's baseline lies, and the same in whole units for
    // text placed at a point.
    qreal PlainLineAscent();
    int PointAscent() const { return metrics_.ascent(); }
    // The Qt text flags for the report's flags.
    static int QtTextFlags(unsigned flags);

  protected:
    QPainter* Painter() const { return painter_; }
    const QFontMetrics& Metrics() const { return metrics_; }
    // Whether plain lines are measured and drawn with the font's glyph table, without
    // shaping them: on PDF pages, whose engine maps the glyphs back to the characters.
    virtual bool DrawsPlainLinesAsGlyphs() const;
    // The glyph table of the surface's font, where plain lines are drawn as glyphs.
    const cPlainTextGlyphs* PlainTextGlyphs() const;
    // Where a plain line's baseline starts in its box, as Qt's rectangle layout puts it.
    QPointF PlainLineOrigin(std::string_view text, const QRect& box, unsigned flags);
    // The width of a line of the style, in device units.
    int LineWidth(const LineStyle& style) const;
    int LineUnit() const { return lineUnit_; }

  private:
    int PlainLineHeight();
    void DrawPlainLine(std::string_view text, const QRect& box, unsigned flags);
    bool Painting() const { return painter_ != nullptr; }
    void UseLine(const LineStyle& style);
    void UseTextPen();

    QPainter* painter_;
    QFont font_;
    const QPaintDevice* device_;
    QFontMetrics metrics_;
    int plainLineHeight_ = -1;
    qreal plainAscent_ = -1;
    mutable std::shared_ptr<const cPlainTextGlyphs> plainTextGlyphs_;
    mutable bool plainTextGlyphsLooked_ = false;
    int lineUnit_ = 1;  // device units of a weight-1 line
    QColor ink_ = Qt::black;
    QColor paper_ = Qt::white;
};

}  // namespace korval
