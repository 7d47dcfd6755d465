#pragma once

#include "app/qt/cQtReportSurface.h"

class QWidget;

namespace korval {

// The report on screen: the view's font, the screen's size and resolution, the visible
// area of the view as client area, and the colours of its palette.
class cQtScreenSurface : public cQtReportSurface {
  public:
    // painter may be null for a measuring pass.
    cQtScreenSurface(QPainter* painter, const QWidget& view, const QWidget& clientArea);

    bool IsPrinter() const override { return false; }
    int DeviceWidth() const override { return deviceWidth_; }
    int DeviceHeight() const override { return deviceHeight_; }
    int ClientWidth() const override { return clientWidth_; }
    int ClientHeight() const override { return clientHeight_; }
    int PixelsPerInchX() const override { return ppiX_; }
    int PixelsPerInchY() const override { return ppiY_; }

  private:
    int deviceWidth_;
    int deviceHeight_;
    int clientWidth_;
    int clientHeight_;
    int ppiX_;
    int ppiY_;
};

}  // namespace korval
