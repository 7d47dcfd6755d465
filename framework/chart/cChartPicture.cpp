#include "framework/chart/cChartPicture.h"

namespace korval {

std::span<const SurfacePoint> cChartPicture::PointsOf(const Part& part) const {
    return {points_.data() + part.firstPoint, part.pointCount};
}

std::size_t cChartPicture::AddPoints(std::span<const SurfacePoint> points) {
    std::size_t first = points_.size();
    points_.insert(points_.end(), points.begin(), points.end());
    return first;
}

void cChartPicture::Line(SurfacePoint from, SurfacePoint to, const LineStyle& style) {
    const SurfacePoint ends[] = {from, to};
    parts_.push_back({Shape::kLine, style, style.tone, 0, AddPoints(ends), 2, 0});
}

void cChartPicture::Polyline(std::vector<SurfacePoint> points, const LineStyle& style) {
    if (points.size() < 2) return;
    parts_.push_back({Shape::kPolyline, style, style.tone, 0, AddPoints(points), points.size(), 0});
}

void cChartPicture::Rect(const SurfaceRect& rect, Tone tone) {
    const SurfacePoint corners[] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    parts_.push_back({Shape::kRect, {}, tone, 0, AddPoints(corners), 2, 0});
}

void cChartPicture::Polygon(std::vector<SurfacePoint> points, Tone tone) {
    if (points.size() < 3) return;
    parts_.push_back({Shape::kPolygon, {}, tone, 0, AddPoints(points), points.size(), 0});
}

void cChartPicture::Text(std::string text, SurfacePoint at, unsigned flags) {
    texts_.push_back(std::move(text));
    const SurfacePoint place[] = {at};
    parts_.push_back({Shape::kText, {}, Tone::kInk, flags, AddPoints(place), 1, texts_.size() - 1});
}

void cChartPicture::Draw(cReportSurface& surface, int left, int top) const {
    std::vector<SurfacePoint> moved;
    for (const Part& part : parts_) {
        moved.clear();
        for (SurfacePoint point : PointsOf(part)) moved.push_back({point.x + left, point.y + top});
        switch (part.shape) {
            case Shape::kLine:
                surface.DrawLine(moved[0], moved[1], part.line);
                break;
            case Shape::kPolyline:
                surface.DrawPolyline(moved, part.line);
                break;
            case Shape::kRect:
                surface.FillRect({moved[0].x, moved[0].y, moved[1].x, moved[1].y}, part.tone);
                break;
            case Shape::kPolygon:
                surface.FillPolygon(moved, part.tone);
                break;
            case Shape::kText:
                surface.DrawTextAt(TextOf(part), moved[0], part.flags);
                break;
        }
    }
}

}  // namespace korval
