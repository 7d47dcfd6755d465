#pragma once

#include "app/qt/cQtReportSurface.h"

namespace korval {

// A report drawn onto an image (SVG or PNG) of a given width: the print font and black on
// white, as on paper, but one sheet without pages.
class cQtImageSurface : public cQtReportSurface {
  public:
    // painter may be null for a measuring pass.
    cQtImageSurface(QPainter* painter, const QPaintDevice& device, int width, int height);

    bool IsPrinter() const override { return false; }
    int DeviceWidth() const override { return width_; }
    int DeviceHeight() const override { return height_; }
    int ClientWidth() const override { return width_; }
    int ClientHeight() const override { return height_; }
    int PixelsPerInchX() const override { return ppiX_; }
    int PixelsPerInchY() const override { return ppiY_; }

  private:
    int width_;
    int height_;
    int ppiX_;
    int ppiY_;
};

}  // namespace korval
