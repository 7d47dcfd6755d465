#pragma once

#include <string>
#include <string_view>

// Putnam's own estimate and the range of schedules his buildup scale describes. The
// software equation S = P K^(1/3) y^(4/3) and the manpower buildup D = K / y^3 together fix
// the main build time for a chosen buildup: y = (S^3 / (P^3 D))^(1/7), K = D y^3. The MBI
// is log2(D) - 2, so level m of the scale is a buildup of D = 2^(m+2) person-years per
// year cubed. Levels run from 0 (the slowest buildup the scale describes) to 6 (the
// fastest); a schedule whose MBI rounds outside them lies outside what the equations were
// fitted on, and effort there goes with y^-4: a tenth off the schedule is half again the
// effort. Times in years, efforts in person-years, sizes in SLOC, P the productivity
// measure.
namespace korval {

inline constexpr int kSlowestBuildupLevel = 0;
inline constexpr int kFastestBuildupLevel = 6;
// A moderate buildup: the level an application type plans for until calibration from
// history gives its own.
inline constexpr int kDefaultBuildupLevel = 3;
// The MBI values where the rounded level leaves the scale: a schedule is within it while
// its MBI rounds to 0..6.
inline constexpr double kFastestMbi = kFastestBuildupLevel + 0.5;
inline constexpr double kSlowestMbi = kSlowestBuildupLevel - 0.5;

// "very slow" .. "very rapid": the scale's words for each level (empty outside 0..6).
std::string_view BuildupLevelName(int level);
// "3 (moderate)", as the report and the attributes dialog name a level.
std::string BuildupLevelText(int level);
// A level outside the scale is brought to its nearest end.
int ClampBuildupLevel(int level);

// D = 2^(mbi + 2).
double BuildupOfMbi(double mbi);

// Putnam's estimate for a size at a buildup: the main build time and the life-cycle effort.
// Its figures in the units reports show (months, person-months, people) are capped finite.
struct PutnamEstimate {
    double buildYears = 0;
    double lifeCycleEffortYears = 0;

    double BuildMonths() const;
    double LifeCycleEffortMonths() const;
    double MainBuildEffortMonths() const;  // E(y) = K (1 - e^(-1/2))
    double PeakStaff() const;              // m(y) = K / (y sqrt(e))
};
// At the buildup D = 2^(mbi + 2); nothing (both 0) without size or productivity.
PutnamEstimate PutnamEstimateAtMbi(double sloc, double pm, double mbi);

// Where a planned main build lies against the scale.
enum class ScheduleFit {
    kWithin,              // MBI level 0..6: the plan is shown at that schedule
    kShorterThanFastest,  // above level 6: shorter than Putnam's minimum time
    kLongerThanSlowest,   // below level 0: longer than the slowest buildup described
    kUndefined            // no size, productivity or schedule to judge it by
};
ScheduleFit FitOfSchedule(double sloc, double pm, double buildYears);
// "within", "shorterThanMinimum", "longerThanSlowest", "undefined", as the JSON has it.
std::string_view ScheduleFitToken(ScheduleFit fit);

// The plan the staffing figures show for a planned main build: that schedule and the
// software equation's effort where it is within the scale; Putnam's own estimate at the
// planned level where it is shorter than the fastest buildup (no plan is shown for a
// schedule the equations do not reach); the schedule with no less than the slowest
// buildup's effort where it is longer (effort is not extrapolated below the scale).
PutnamEstimate PlanForSchedule(double sloc, double pm, double buildYears, int plannedLevel);

}  // namespace korval
