#pragma once

#include <span>
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
    bool operator==(const SurfaceRect&) const = default;
};

struct SurfacePoint {
    int x = 0;
    int y = 0;
    bool operator==(const SurfacePoint&) const = default;
};

// How dark a line or an area is drawn. Paper prints ink black on white; the screen takes
// its ink from the palette's text colour, so a chart reads in a dark palette too.
enum class Tone {
    kInk,    // text, axes, series
    kFaint,  // grid lines
    kShade,  // a light area behind hatching or a band
    kPaper,  // the background: clears the place of a label over lines
};

enum class DashStyle { kSolid, kDashed, kDotted };

// A drawn line: dashes and weight tell series apart without colour, as on black and white
// paper. Weight 1 is a hairline of about a screen pixel or 0.75 point; the surface scales it.
struct LineStyle {
    DashStyle dash = DashStyle::kSolid;
    int weight = 1;
    Tone tone = Tone::kInk;
    bool operator==(const LineStyle&) const = default;
};

// Where a line of the width starts when placed at x by the alignment of the flags (kBase:
// at x), in whole units as the surfaces draw text at a point.
int AlignedAtPoint(int x, int width, unsigned flags);
// Where a line of the width starts in a box of the width at left, aligned by the flags.
double AlignedInBox(double left, int boxWidth, double width, unsigned flags);

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

    // Graphics for charts. A surface without graphics (the command line's character grid)
    // says so, and reports give it a chart's table instead of its drawing.
    virtual bool DrawsGraphics() const { return true; }
    // The width one line of the text takes (an estimate from the average character width
    // unless the surface measures it).
    virtual int TextWidth(std::string_view text) const;
    virtual void DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) = 0;
    virtual void DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) = 0;
    virtual void FillRect(const SurfaceRect& rect, Tone tone) = 0;
    virtual void FillPolygon(std::span<const SurfacePoint> points, Tone tone) = 0;
    // One line of text with its top at the point, placed left of, around or right of x
    // by the alignment of the flags (kBase: starts at x).
    virtual void DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) = 0;
};

}  // namespace korval
