#include "app/qt/cQtPrinterSurface.h"

#include <QPaintDevice>
#include <QPainter>

namespace korval {

QFont cQtPrinterSurface::PrintFont(int pixelsPerInchY) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif, QFont::PreferMatch);
    // 12 points: the pixel height rounded to the nearest whole pixel.
    font.setPixelSize(qMax(1, (12 * pixelsPerInchY + 36) / 72));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setKerning(false);
    return font;
}

cQtPrinterSurface::cQtPrinterSurface(QPainter& painter, const QPaintDevice& device)
    : cQtPrinterSurface(&painter, device, device.width(), device.height()) {}

cQtPrinterSurface::cQtPrinterSurface(QPainter* painter, const QPaintDevice& device, int width,
                                     int height)
    : cQtReportSurface(painter, PrintFont(device.logicalDpiY()), &device),
      width_(width),
      height_(height),
      ppiX_(device.logicalDpiX()),
      ppiY_(device.logicalDpiY()) {}

}  // namespace korval
