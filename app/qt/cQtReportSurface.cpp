#include "app/qt/cQtReportSurface.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

#include "app/qt/QtText.h"
#include "framework/TextUtil.h"

namespace korval {

cQtReportSurface::cQtReportSurface(QPainter* painter, const QFont& font, const QPaintDevice* device,
                                   const QColor& textColour)
    : painter_(painter), font_(font), metrics_(font, device) {
    if (painter_ != nullptr) {
        painter_->setFont(font_);
        painter_->setPen(textColour);
        painter_->setBackgroundMode(Qt::TransparentMode);
    }
}

TextMetrics cQtReportSurface::GetTextMetrics() const {
    return {metrics_.height(), metrics_.averageCharWidth(), metrics_.maxWidth()};
}

int cQtReportSurface::QtTextFlags(unsigned flags) {
    int qtFlags = Qt::AlignTop | Qt::TextDontClip;
    switch (flags & TextFlags::kAlignMask) {
        case TextFlags::kCenter:
            qtFlags |= Qt::AlignHCenter;
            break;
        case TextFlags::kRight:
            qtFlags |= Qt::AlignRight;
            break;
        default:
            qtFlags |= Qt::AlignLeft;
            break;
    }
    if (flags & TextFlags::kWordBreak) qtFlags |= Qt::TextWordWrap;
    if (flags & TextFlags::kExpandTabs) qtFlags |= Qt::TextExpandTabs;
    return qtFlags;
}

// One line of plain ASCII takes one line's height whatever its letters: its glyphs all come
// from the surface's font.
bool cQtReportSurface::IsPlainLine(std::string_view text, unsigned flags) {
    if (text.empty() || (flags & TextFlags::kWordBreak)) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

int cQtReportSurface::PlainLineHeight() {
    if (plainLineHeight_ < 0)
        plainLineHeight_ =
            metrics_.boundingRect(QRect(0, 0, 1000, 1), QtTextFlags(0), "0").height();
    return plainLineHeight_;
}

int cQtReportSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    bool draw = painter_ != nullptr && !(flags & TextFlags::kMeasureOnly);
    if (!draw && IsPlainLine(text, flags)) return PlainLineHeight();
    QString qtText = ToQtLineBreaks(PrintableText(text));
    QRect box(rect.left, rect.top, qMax(1, rect.right - rect.left),
              qMax(1, rect.bottom - rect.top));
    int qtFlags = QtTextFlags(flags);
    if (!draw) return metrics_.boundingRect(box, qtFlags, qtText).height();
    // Drawing lays the text out once and gives the rectangle it took.
    QRect taken;
    painter_->drawText(box, qtFlags, qtText, &taken);
    return taken.height();
}

}  // namespace korval
