#pragma once

#include <string>
#include <vector>

#include "framework/cReportSurface.h"

namespace korval {

// A character grid for the command line and the golden tests. Every character is one
// cell of kCellWidth device units and a line is kLineHeight units high; the column unit
// comes out as two cells, which leaves the standard labels room before the next column.
// Rows closer than a whole blank line print on consecutive lines.
class cTextReportSurface : public cReportSurface {
  public:
    static constexpr int kCellWidth = 8;
    static constexpr int kLineHeight = 20;

    explicit cTextReportSurface(int columns = 140);

    bool IsPrinter() const override { return false; }
    int DeviceWidth() const override { return columns_ * kCellWidth; }
    int DeviceHeight() const override { return 1000000; }
    int ClientWidth() const override { return DeviceWidth(); }
    int ClientHeight() const override { return DeviceHeight(); }
    int PixelsPerInchX() const override { return 10 * kCellWidth; }
    int PixelsPerInchY() const override { return 6 * kLineHeight; }
    TextMetrics GetTextMetrics() const override {
        return {kLineHeight, kCellWidth, 3 * kCellWidth};
    }
    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override;

    // Characters draw no lines: reports print a chart's table here instead.
    bool DrawsGraphics() const override { return false; }
    void DrawLine(SurfacePoint, SurfacePoint, const LineStyle&) override {}
    void DrawPolyline(std::span<const SurfacePoint>, const LineStyle&) override {}
    void FillRect(const SurfaceRect&, Tone) override {}
    void FillPolygon(std::span<const SurfacePoint>, Tone) override {}
    void DrawTextAt(std::string_view, SurfacePoint, unsigned) override {}

    // The drawn text, line by line, without trailing blanks.
    std::string Render() const;

    // Lines of the text as the surface breaks and wraps them.
    static std::vector<std::string> BreakLines(std::string_view text, int widthInCells, bool wrap);

  private:
    struct Placed {
        int y;
        int column;
        std::string text;
        std::size_t order;
    };
    int columns_;
    std::vector<Placed> placed_;
};

}  // namespace korval
