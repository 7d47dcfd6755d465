#include "app/qt/cQtReportSurface.h"

#include <QPainter>
#include <QRect>

#include "app/qt/QtText.h"
#include "framework/TextUtil.h"

namespace korval {

cQtReportSurface::cQtReportSurface(QPainter* painter, const QFont& font, const QPaintDevice* device)
    : painter_(painter), font_(font), metrics_(font, device) {
    if (painter_ != nullptr) {
        painter_->setFont(font_);
        painter_->setPen(Qt::black);
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

int cQtReportSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    QString qtText = ToQtLineBreaks(PrintableText(text));
    QRect box(rect.left, rect.top, qMax(1, rect.right - rect.left),
              qMax(1, rect.bottom - rect.top));
    int qtFlags = QtTextFlags(flags);
    int height = metrics_.boundingRect(box, qtFlags, qtText).height();
    if (painter_ != nullptr && !(flags & TextFlags::kMeasureOnly))
        painter_->drawText(box, qtFlags, qtText);
    return height;
}

}  // namespace korval
