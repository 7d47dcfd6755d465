#pragma once

#include <vector>

#include "framework/chart/ChartContent.h"

namespace korval {

class cRayleighDoc;

// The Norden-Rayleigh staffing curve m(t) of a life-cycle effort (person years) and a main
// build time (years) as chart points: months from the start of the main build against
// people, from 0 to endMonth.
std::vector<ChartPoint> RayleighCurvePoints(double lifeCycleEffortYears, double buildYears,
                                            double endMonth);

// The month the curve of a main build time (years) is charted to: where the staffing falls
// below a tenth of its peak.
double RayleighChartEndMonth(double buildYears);

// The staffing chart of a Rayleigh model: the curve with the end of the main build and the
// peak marked, the band between the low and high curves when ranges are shown. Empty
// (no series) without an effort.
ChartContent RayleighStaffingChart(const cRayleighDoc& document, bool ranges);

// The curve's line: a heavy solid line, as on every chart that shows it.
LineStyle PutnamCurveLine();

}  // namespace korval
