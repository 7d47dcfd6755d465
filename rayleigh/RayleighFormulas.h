#pragma once

#include <string>

// The Rayleigh staffing relations between size, main build time, productivity and the
// manpower buildup, shared by the document, its dialogs and the system roll-up.
namespace korval {

// Rounds half away from zero (2.5 -> 3, -2.5 -> -3); whole numbers shown or stored by the
// Rayleigh model (PI, PM, MBI level) are rounded this way.
double RoundHalfAwayFromZero(double value);
// The rounded value as an int, saturated at the int range (a non-number gives 0).
int RoundToInt(double value);

// Manpower buildup index from the main build phase time (months), the size (SLOC) and
// the productivity measure: log2 of the buildup D minus 2. 0 when the time or the
// measure is 0; minus infinity when there is no size (0, or below 0); otherwise finite
// (a buildup that over- or underflows gives the largest or the lowest double).
double ComputeMbi(double buildMonths, double sloc, double pm);

// The MBI as the report shows it: "<0", a digit 0 to 6, or ">6" (a value that is not a
// number reads as "<0").
std::string MbiLevelText(double mbi);

// The what-if relations of reverse engineering. The main build time in years is
// tdev x percentage / 1200. Where a relation would divide by zero, take the logarithm
// of zero or overflow, the result is 0, so no calculator field ever shows nan or inf.
double BuildupFromSizeAndSchedule(double sloc, double tdev, double percentage, double pm);
double ScheduleFromBuildup(double sloc, double buildup, double percentage, double pm);
double SizeFromBuildup(double tdev, double buildup, double percentage, double pm);
double MbiFromBuildup(double buildup);
double BuildupFromMbi(double mbi);

}  // namespace korval
