#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/cReportSurface.h"

namespace korval {

// A laid-out chart: the surface calls that draw it, in order, relative to the chart's top
// left corner. It is made once when the report is laid out and drawn at its place on
// every page or screen band that shows it.
class cChartPicture {
  public:
    enum class Shape { kLine, kPolyline, kRect, kPolygon, kText };
    struct Part {
        Shape shape;
        LineStyle line;
        Tone tone = Tone::kInk;
        unsigned flags = 0;
        std::size_t firstPoint = 0;  // into the picture's points
        std::size_t pointCount = 0;
        std::size_t text = 0;  // into the picture's texts
    };

    cChartPicture(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<Part>& Parts() const { return parts_; }
    std::span<const SurfacePoint> PointsOf(const Part& part) const;
    const std::string& TextOf(const Part& part) const { return texts_[part.text]; }

    void Line(SurfacePoint from, SurfacePoint to, const LineStyle& style);
    void Polyline(std::vector<SurfacePoint> points, const LineStyle& style);
    void Rect(const SurfaceRect& rect, Tone tone);
    void Polygon(std::vector<SurfacePoint> points, Tone tone);
    void Text(std::string text, SurfacePoint at, unsigned flags);

    // Draws every part moved by (left, top).
    void Draw(cReportSurface& surface, int left, int top) const;

  private:
    std::size_t AddPoints(std::span<const SurfacePoint> points);

    int width_;
    int height_;
    std::vector<Part> parts_;
    std::vector<SurfacePoint> points_;
    std::vector<std::string> texts_;
};

}  // namespace korval
