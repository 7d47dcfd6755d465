#pragma once

#include <span>
#include <vector>

#include "framework/chart/ChartContent.h"

namespace korval {

struct HatchSegment {
    SurfacePoint from;
    SurfacePoint to;
};

// The hatch lines of a polygon, spacing apart, clipped to its inside (even-odd rule): the
// pattern drawn as plain lines, so paper, PDF, SVG and the screen show the same hatching.
std::vector<HatchSegment> HatchLines(std::span<const SurfacePoint> polygon, Hatch hatch,
                                     int spacing);

}  // namespace korval
