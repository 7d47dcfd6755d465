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
    // One graphic call: its kind, its points (a rectangle's two corners), line style, tone
    // and, for text at a point, the text.
    struct Shape {
        enum class Kind { kLine, kPolyline, kRect, kPolygon, kText };
        Kind kind;
        std::vector<SurfacePoint> points;
        LineStyle line;
        Tone tone = Tone::kInk;
        std::string text;
        // What the shape covers; text by the surface's character width and line height.
        SurfaceRect bounds;
    };

    bool printer = false;
    int width = 850;
    int height = 1100;
    int pixelsPerInch = 100;
    int lineHeight = 20;
    int charWidth = 8;
    std::vector<Drawn> drawn;
    int measured = 0;  // calls that only measured
    std::vector<Shape> shapes;

    bool IsPrinter() const override { return printer; }
    int DeviceWidth() const override { return width; }
    int DeviceHeight() const override { return height; }
    int ClientWidth() const override { return width; }
    int ClientHeight() const override { return height; }
    int PixelsPerInchX() const override { return pixelsPerInch; }
    int PixelsPerInchY() const override { return pixelsPerInch; }
    TextMetrics GetTextMetrics() const override { return {lineHeight, charWidth, 2 * charWidth}; }
    int DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) override;
    void DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) override;
    void DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) override;
    void FillRect(const SurfaceRect& rect, Tone tone) override;
    void FillPolygon(std::span<const SurfacePoint> points, Tone tone) override;
    void DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) override;

    // The texts drawn at a point, in order.
    std::vector<std::string> ShapeTexts() const;

    // Texts drawn, in order.
    std::vector<std::string> Texts() const;
};

}  // namespace korval::testing
