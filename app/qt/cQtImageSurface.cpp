#include "app/qt/cQtImageSurface.h"

#include <QPaintDevice>

#include "app/qt/cQtPrinterSurface.h"

namespace korval {

cQtImageSurface::cQtImageSurface(QPainter* painter, const QPaintDevice& device, int width,
                                 int height)
    : cQtReportSurface(painter, cQtPrinterSurface::PrintFont(device.logicalDpiY()), &device),
      width_(width),
      height_(height),
      ppiX_(device.logicalDpiX()),
      ppiY_(device.logicalDpiY()) {}

}  // namespace korval
