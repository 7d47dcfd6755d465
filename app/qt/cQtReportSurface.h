#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>

#include "framework/cReportSurface.h"

class QPainter;

namespace korval {

// Report text through a QPainter: metrics from the surface's font on its device, text
// placed in its rectangle with the report's alignment and wrapping flags. Line breaks
// stored as CR LF break lines here as they do in the report's edit fields.
class cQtReportSurface : public cReportSurface {
  public:
    // painter may be null: every call then only measures. Paper is black on white; the
    // screen gives the text colour of its palette.
    cQtReportSurface(QPainter* painter, const QFont& font, const QPaintDevice* device,
                     const QColor& textColour = Qt::black);

    TextMetrics GetTextMetrics() const override;
    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override;

    const QFont& Font() const { return font_; }
    // The Qt text flags for the report's flags.
    static int QtTextFlags(unsigned flags);

  protected:
    QPainter* Painter() const { return painter_; }

  private:
    static bool IsPlainLine(std::string_view text, unsigned flags);
    int PlainLineHeight();

    QPainter* painter_;
    QFont font_;
    QFontMetrics metrics_;
    int plainLineHeight_ = -1;
};

}  // namespace korval
