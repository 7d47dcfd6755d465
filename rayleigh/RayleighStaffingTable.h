#pragma once

#include "framework/StaffingTable.h"

namespace korval {

// The main build time, as a multiple of it, at which the Norden-Rayleigh staffing falls
// to a tenth of its peak (about 2.77): where the monthly table's tail ends.
double RayleighTailFactor();

// The Norden-Rayleigh curve of a life-cycle effort (person years) and a main build time
// (years) as a table of calendar months from the start of the main build, to the month in
// which the staffing falls below a tenth of its peak, at most kMaxStaffingPeriods months. Efforts
// in person months. Empty when there is no effort or no build time.
StaffingTable MakeRayleighStaffingTable(double lifeCycleEffortYears, double buildYears);

}  // namespace korval
