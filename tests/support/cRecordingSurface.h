#pragma once

#include <string>
#include <vector>

#include "framework/cReportSurface.h"

namespace korval::testing {

// A surface that remembers every text drawn. Each character is charWidth units wide
// and each line lineHeight units high; printer pages by default are 8.5 x 11 inches at 100
// pixels per inch.
class cRecordingSurface : public cReportSurface {
  public:
    struct Drawn {
        std::string text;
        SurfaceRect rect;
        unsigned flags;
    };

    bool printer = false;
    int width = 850;
    int height = 1100;
    int pixelsPerInch = 100;
    int lineHeight = 20;
    int charWidth = 8;
    std::vector<Drawn> drawn;
    int measured = 0;  // calls that only measured

    bool IsPrinter() const override { return printer; }
    int DeviceWidth() const override { return width; }
    int DeviceHeight() const override { return height; }
    int ClientWidth() const override { return width; }
    int ClientHeight() const override { return height; }
    int PixelsPerInchX() const override { return pixelsPerInch; }
    int PixelsPerInchY() const override { return pixelsPerInch; }
    TextMetrics GetTextMetrics() const override { return {lineHeight, charWidth, 2 * charWidth}; }
    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override;

    // Texts drawn, in order.
    std::vector<std::string> Texts() const;
};

}  // namespace korval::testing
