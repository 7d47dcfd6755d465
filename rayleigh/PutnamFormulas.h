#pragma once

// Putnam's software equation and the Norden-Rayleigh staffing curve. The manpower
// buildup the MBI comes from, D = K / y^3, and the software equation S = P K^(1/3) y^(4/3)
// fix the life-cycle effort K; the curve spreads it over time with its peak at the end of
// the main build (t = y). Times are in years from the start of the main build, efforts in
// person-years and staff in people, as in the equations; callers convert to months.
namespace korval {

// Share of the life-cycle effort spent by the end of the main build: 1 - e^(-1/2).
inline constexpr double kMainBuildEffortShare = 0.39346934028736658;

// K = (S / (P y^(4/3)))^3. 0 when there is no size, no productivity measure or no build
// time (the MBI is 0 or undefined then), and finite for finite inputs.
double LifeCycleEffortYears(double sloc, double pm, double buildYears);

// m(t) = (K / y^2) t exp(-t^2 / (2 y^2)); 0 before the start and when y is 0.
double RayleighStaffAt(double lifeCycleEffort, double buildYears, double t);
// E(t) = K (1 - exp(-t^2 / (2 y^2))); 0 before the start, K when y is 0.
double RayleighCumulativeEffortAt(double lifeCycleEffort, double buildYears, double t);

// E(y) = K (1 - e^(-1/2)).
double MainBuildEffortYears(double lifeCycleEffort);
// m(y) = K / (y sqrt(e)); 0 when y is 0.
double PeakStaff(double lifeCycleEffort, double buildYears);

// The software equation solved for the productivity measure that makes a main build of
// the given time and effort (person-years) deliver the size: the achieved productivity of
// a finished project. 0 when the effort, the time or the size is not above 0.
double MeasureFromMainBuildEffort(double sloc, double buildYears, double mainBuildEffort);

}  // namespace korval
