#pragma once

#include "framework/chart/ChartContent.h"
#include "system/SystemPlan.h"

namespace korval {

// The system's phases on its cumulative schedule as a Gantt chart: product design, each
// member's programming and integration and test, final test; a missing member's bars
// drawn as outlines. Empty (no rows) without rows.
ChartContent SystemGanttChart(const SystemPlan& plan);

// The system's staffing over time: the members' phases summed where the schedule places
// them, period by period, with the placed effort in the legend. Empty (no series) without
// staffing.
ChartContent SystemStaffingChart(const SystemPlan& plan);

}  // namespace korval
