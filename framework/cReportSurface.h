#pragma once

#include <string_view>

namespace korval {

// Text placement flags passed to every row primitive and on to the surface.
namespace TextFlags {
inline constexpr unsigned kBase = 0;  // left aligned, no clipping
inline constexpr unsigned kCenter = 1;
inline constexpr unsigned kRight = 2;
inline constexpr unsigned kAlignMask = 3;
inline constexpr unsigned kWordBreak = 0x10;  // wrap inside the column, line breaks honoured
inline constexpr unsigned kExpandTabs = 0x40;
inline constexpr unsigned kMeasureOnly = 0x400;
}  // namespace TextFlags

struct TextMetrics {
    int height = 0;  // line height
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    bool operator==(const TextMetrics&) const = default;
};

struct SurfaceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A device that reports can be laid out on: a screen view, a printer page, a PDF page,
// the command line's character grid or a test recorder. All values in device units.
class cReportSurface {
  public:
    virtual ~cReportSurface() = default;

    virtual bool IsPrinter() const = 0;
    // Printable page (printers) or whole device (screens) in device units.
    virtual int DeviceWidth() const = 0;
    virtual int DeviceHeight() const = 0;
    // Visible area of a screen view.
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    virtual TextMetrics GetTextMetrics() const = 0;

    // Draws (or with kMeasureOnly only measures) the text in the rectangle; returns the
    // height the text takes.
    virtual int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) = 0;
};

}  // namespace korval
