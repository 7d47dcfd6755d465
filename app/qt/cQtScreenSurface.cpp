#include "app/qt/cQtScreenSurface.h"

#include <QScreen>
#include <QWidget>

namespace korval {

namespace {
QSize ScreenSize(const QWidget& view) {
    const QScreen* screen = view.screen();
    return screen != nullptr ? screen->size() : QSize(1024, 768);
}
}  // namespace

cQtScreenSurface::cQtScreenSurface(QPainter* painter, const QWidget& view,
                                   const QWidget& clientArea)
    : cQtReportSurface(painter, view.font(), &clientArea),
      deviceWidth_(ScreenSize(view).width()),
      deviceHeight_(ScreenSize(view).height()),
      clientWidth_(clientArea.width()),
      clientHeight_(clientArea.height()),
      ppiX_(clientArea.logicalDpiX()),
      ppiY_(clientArea.logicalDpiY()) {
    SetPalette(clientArea.palette());
}

}  // namespace korval
