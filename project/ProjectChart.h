#pragma once

#include "framework/chart/ChartContent.h"
#include "project/ProjectPlan.h"

namespace korval {

// A project's two plans on one time axis: the COCOMO phase profile as steps and the
// Putnam staffing curve from the start of its main build, the end of the main build
// marked, both total efforts in the legend. Empty (no series) when neither has an effort.
ChartContent ProjectPlanChart(const ProjectPlan& plan);

}  // namespace korval
