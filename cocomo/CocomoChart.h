#pragma once

#include "framework/StaffingProfile.h"
#include "framework/chart/ChartContent.h"

namespace korval {

// The COCOMO phase staffing profile: each phase's average staff as a step, named, with the
// total effort in the legend. Empty (no series) without phases.
ChartContent CocomoPhaseChart(const StaffingProfile& profile);

}  // namespace korval
