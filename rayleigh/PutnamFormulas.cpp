#include "rayleigh/PutnamFormulas.h"

#include <cmath>

#include "framework/FiniteFigure.h"

namespace korval {

double LifeCycleEffortYears(double sloc, double pm, double buildYears) {
    if (!(sloc > 0.0) || !(pm > 0.0) || !(buildYears > 0.0)) return 0.0;
    return FiniteFigure(std::pow(sloc / (pm * std::pow(buildYears, 4.0 / 3.0)), 3.0));
}

double RayleighStaffAt(double lifeCycleEffort, double buildYears, double t) {
    if (!(buildYears > 0.0) || !(t > 0.0)) return 0.0;
    double y2 = buildYears * buildYears;
    return FiniteFigure(lifeCycleEffort / y2 * t * std::exp(-t * t / (2.0 * y2)));
}

double RayleighCumulativeEffortAt(double lifeCycleEffort, double buildYears, double t) {
    if (!(t > 0.0)) return 0.0;
    if (!(buildYears > 0.0)) return lifeCycleEffort;
    // expm1 keeps the early months exact, where 1 - exp(-x) would cancel.
    return FiniteFigure(-lifeCycleEffort * std::expm1(-t * t / (2.0 * buildYears * buildYears)));
}

double MainBuildEffortYears(double lifeCycleEffort) {
    return lifeCycleEffort * kMainBuildEffortShare;
}

double PeakStaff(double lifeCycleEffort, double buildYears) {
    if (!(buildYears > 0.0)) return 0.0;
    return FiniteFigure(lifeCycleEffort / (buildYears * std::sqrt(std::exp(1.0))));
}

double MeasureFromMainBuildEffort(double sloc, double buildYears, double mainBuildEffort) {
    if (!(sloc > 0.0) || !(buildYears > 0.0) || !(mainBuildEffort > 0.0)) return 0.0;
    double lifeCycleEffort = mainBuildEffort / kMainBuildEffortShare;
    return FiniteFigure(sloc / (std::cbrt(lifeCycleEffort) * std::pow(buildYears, 4.0 / 3.0)));
}

}  // namespace korval
