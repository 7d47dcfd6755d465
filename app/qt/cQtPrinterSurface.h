#pragma once

#include "app/qt/cQtReportSurface.h"

class QPagedPaintDevice;

namespace korval {

// A printed page (printer, print preview or PDF): the printable area in device pixels,
// the device's resolution and the print font, "Times New Roman" at 12 points, which
// resolves to its metric twin Liberation Serif where the original is not installed.
class cQtPrinterSurface : public cQtReportSurface {
  public:
    cQtPrinterSurface(QPainter& painter, const QPaintDevice& device);

    // The print font for a device of the given vertical resolution.
    static QFont PrintFont(int pixelsPerInchY);

    bool IsPrinter() const override { return true; }
    int DeviceWidth() const override { return width_; }
    int DeviceHeight() const override { return height_; }
    int ClientWidth() const override { return width_; }
    int ClientHeight() const override { return height_; }
    int PixelsPerInchX() const override { return ppiX_; }
    int PixelsPerInchY() const override { return ppiY_; }

  protected:
    // A sheet of the given size on the device; painter may be null for a measuring pass.
    cQtPrinterSurface(QPainter* painter, const QPaintDevice& device, int width, int height);

  private:
    int width_;
    int height_;
    int ppiX_;
    int ppiY_;
};

}  // namespace korval
