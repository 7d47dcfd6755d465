#pragma once

#include <string>

#include "framework/StaffingProfile.h"
#include "framework/chart/ChartContent.h"

namespace korval {

// Phases as a chart's steps: each phase's average staff from its start to its end, named
// inside its step, hatched so it reads beside a curve on black and white paper. A gap
// between phases drops to 0.
ChartSeries PhaseStepsSeries(const StaffingProfile& profile, std::string name, std::string column);

}  // namespace korval
