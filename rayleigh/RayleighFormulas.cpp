#include "rayleigh/RayleighFormulas.h"

#include <climits>
#include <cmath>
#include <limits>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"

namespace korval {

namespace {

double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

double BuildYears(double tdev, double percentage) {
    return tdev * percentage * 0.01 * (1.0 / 12.0);
}

}  // namespace

double RoundHalfAwayFromZero(double value) {
    return value > 0 ? std::trunc(value + 0.5) : std::trunc(value - 0.5);
}

int RoundToInt(double value) {
    if (std::isnan(value)) return 0;
    double rounded = RoundHalfAwayFromZero(value);
    if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(rounded);
}

double ComputeMbi(double buildMonths, double sloc, double pm) {
    if (buildMonths == 0.0 || pm == 0.0) return 0.0;
    // A negative size reads as no size.
    if (!(sloc > 0.0)) return -std::numeric_limits<double>::infinity();
    double years = buildMonths / 12.0;
    // Quotient, cube, then the division by the fourth power, in this order.
    double buildup = std::pow(sloc / (pm * years), 3.0) / std::pow(years, 4.0);
    return FiniteFigure(std::log2(buildup) - 2.0);
}

std::string MbiLevelText(double mbi) {
    double level = RoundHalfAwayFromZero(mbi);
    if (!(level >= 0.0)) return "<0";
    if (level > 6.0) return ">6";
    return FormatNumber("%d", static_cast<int>(level));
}

double BuildupFromSizeAndSchedule(double sloc, double tdev, double percentage, double pm) {
    double years = BuildYears(tdev, percentage);
    if (years == 0.0 || pm == 0.0) return 0.0;
    return FiniteOrZero(std::pow(sloc / (pm * years), 3.0) / std::pow(years, 4.0));
}

double ScheduleFromBuildup(double sloc, double buildup, double percentage, double pm) {
    if (percentage == 0.0 || pm == 0.0 || buildup == 0.0) return 0.0;
    double years = std::pow(std::pow(sloc, 3.0) / (std::pow(pm, 3.0) * buildup), 1.0 / 7.0);
    return FiniteOrZero(years / percentage * 1200.0);
}

double SizeFromBuildup(double tdev, double buildup, double percentage, double pm) {
    double years = BuildYears(tdev, percentage);
    return FiniteOrZero(std::pow(std::pow(years, 7.0) * std::pow(pm, 3.0) * buildup, 1.0 / 3.0));
}

double MbiFromBuildup(double buildup) {
    if (!(buildup > 0.0)) return 0.0;
    return FiniteOrZero(std::log2(buildup) - 2.0);
}

double BuildupFromMbi(double mbi) {
    return FiniteOrZero(std::pow(2.0, mbi + 2.0));
}

}  // namespace korval
