#pragma once

#include "app/qt/cQtPrinterSurface.h"

namespace korval {

// A report drawn onto an image (SVG or PNG) of a given width: the print font and black on
// white, as on paper, but one sheet without pages.
class cQtImageSurface : public cQtPrinterSurface {
  public:
    // painter may be null for a measuring pass.
    cQtImageSurface(QPainter* painter, const QPaintDevice& device, int width, int height)
        : cQtPrinterSurface(painter, device, width, height) {}

    bool IsPrinter() const override { return false; }
};

}  // namespace korval
