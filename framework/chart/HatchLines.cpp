#include "framework/chart/HatchLines.h"

#include <algorithm>
#include <cmath>

namespace korval {

namespace {

struct Direction {
    double nx;  // the normal the lines are spaced along
    double ny;
};

std::vector<Direction> DirectionsOf(Hatch hatch) {
    constexpr double kDiagonal = 0.70710678118654752;
    switch (hatch) {
        case Hatch::kForward:  // "/" with y growing downwards
            return {{kDiagonal, kDiagonal}};
        case Hatch::kBackward:
            return {{kDiagonal, -kDiagonal}};
        case Hatch::kCross:
            return {{kDiagonal, kDiagonal}, {kDiagonal, -kDiagonal}};
        case Hatch::kHorizontal:
            return {{0, 1}};
        case Hatch::kVertical:
            return {{1, 0}};
        case Hatch::kNone:
            break;
    }
    return {};
}

SurfacePoint Rounded(double x, double y) {
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

// The segments of the line n.p = c inside the polygon.
void AddLineAt(std::span<const SurfacePoint> polygon, Direction n, double c,
               std::vector<HatchSegment>& segments) {
    struct Crossing {
        double along;
        double x;
        double y;
    };
    std::vector<Crossing> crossings;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        SurfacePoint a = polygon[i];
        SurfacePoint b = polygon[(i + 1) % polygon.size()];
        double da = n.nx * a.x + n.ny * a.y - c;
        double db = n.nx * b.x + n.ny * b.y - c;
        if ((da < 0) == (db < 0)) continue;
        double t = da / (da - db);
        double x = a.x + t * (b.x - a.x);
        double y = a.y + t * (b.y - a.y);
        crossings.push_back({-n.ny * x + n.nx * y, x, y});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.along < r.along; });
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        segments.push_back({Rounded(crossings[i].x, crossings[i].y),
                            Rounded(crossings[i + 1].x, crossings[i + 1].y)});
    }
}

}  // namespace

std::vector<HatchSegment> HatchLines(std::span<const SurfacePoint> polygon, Hatch hatch,
                                     int spacing) {
    std::vector<HatchSegment> segments;
    if (polygon.size() < 3 || spacing <= 0) return segments;
    for (Direction n : DirectionsOf(hatch)) {
        double low = 0;
        double high = 0;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            double c = n.nx * polygon[i].x + n.ny * polygon[i].y;
            low = i == 0 ? c : std::min(low, c);
            high = i == 0 ? c : std::max(high, c);
        }
        // Lines on a grid of their own, so neighbouring areas' hatching lines up.
        for (double c = std::ceil(low / spacing) * spacing; c <= high; c += spacing) {
            AddLineAt(polygon, n, c, segments);
        }
    }
    return segments;
}

}  // namespace korval
