#include "tests/support/cRecordingSurface.h"

#include <algorithm>

namespace korval::testing {

namespace {

SurfaceRect BoundsOf(std::span<const SurfacePoint> points) {
    SurfaceRect bounds{points[0].x, points[0].y, points[0].x, points[0].y};
    for (SurfacePoint p : points) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    return bounds;
}

}  // namespace

int cRecordingSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    int lines = 1;
    for (char c : text) {
        if (c == '\n') ++lines;
    }
    if (flags & TextFlags::kMeasureOnly) {
        ++measured;
    } else {
        drawn.push_back({std::string(text), rect, flags});
    }
    return lines * lineHeight;
}

void cRecordingSurface::DrawLine(SurfacePoint from, SurfacePoint to, const LineStyle& style) {
    SurfacePoint points[] = {from, to};
    shapes.push_back({Shape::Kind::kLine, {from, to}, style, style.tone, "", BoundsOf(points)});
}

void cRecordingSurface::DrawPolyline(std::span<const SurfacePoint> points, const LineStyle& style) {
    shapes.push_back({Shape::Kind::kPolyline,
                      {points.begin(), points.end()},
                      style,
                      style.tone,
                      "",
                      BoundsOf(points)});
}

void cRecordingSurface::FillRect(const SurfaceRect& rect, Tone tone) {
    shapes.push_back({Shape::Kind::kRect,
                      {{rect.left, rect.top}, {rect.right, rect.bottom}},
                      {},
                      tone,
                      "",
                      rect});
}

void cRecordingSurface::FillPolygon(std::span<const SurfacePoint> points, Tone tone) {
    shapes.push_back(
        {Shape::Kind::kPolygon, {points.begin(), points.end()}, {}, tone, "", BoundsOf(points)});
}

void cRecordingSurface::DrawTextAt(std::string_view text, SurfacePoint at, unsigned flags) {
    int width = TextWidth(text);
    int left = at.x;
    if ((flags & TextFlags::kAlignMask) == TextFlags::kCenter) left -= width / 2;
    if ((flags & TextFlags::kAlignMask) == TextFlags::kRight) left -= width;
    shapes.push_back({Shape::Kind::kText,
                      {at},
                      {},
                      Tone::kInk,
                      std::string(text),
                      {left, at.y, left + width, at.y + lineHeight}});
}

std::vector<std::string> cRecordingSurface::ShapeTexts() const {
    std::vector<std::string> texts;
    for (const Shape& shape : shapes) {
        if (shape.kind == Shape::Kind::kText) texts.push_back(shape.text);
    }
    return texts;
}

std::vector<std::string> cRecordingSurface::Texts() const {
    std::vector<std::string> texts;
    for (const Drawn& item : drawn) texts.push_back(item.text);
    return texts;
}

}  // namespace korval::testing
