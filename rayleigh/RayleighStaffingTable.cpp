#include "rayleigh/RayleighStaffingTable.h"

#include <algorithm>
#include <cmath>

#include "framework/FiniteFigure.h"
#include "rayleigh/PutnamFormulas.h"

namespace korval {

namespace {

// m(u y) / m(y) = u exp((1 - u^2) / 2), falling from 1 at u = 1 towards 0.
double StaffShareOfPeak(double u) {
    return u * std::exp((1.0 - u * u) * 0.5);
}

}  // namespace

double RayleighTailFactor() {
    static const double factor = [] {
        double low = 1.0;
        double high = 10.0;
        for (int i = 0; i < 100; ++i) {
            double mid = 0.5 * (low + high);
            (StaffShareOfPeak(mid) > 0.1 ? low : high) = mid;
        }
        return high;
    }();
    return factor;
}

StaffingTable MakeRayleighStaffingTable(double lifeCycleEffortYears, double buildYears) {
    StaffingTable table;
    if (!(lifeCycleEffortYears > 0.0) || !(buildYears > 0.0)) return table;
    double tailMonths = FiniteFigure(std::ceil(RayleighTailFactor() * buildYears * 12.0));
    int months = static_cast<int>(std::min(tailMonths, static_cast<double>(kMaxStaffingPeriods)));
    table.truncated = tailMonths > kMaxStaffingPeriods;
    table.periods.reserve(static_cast<std::size_t>(months));
    double effortMonths = FiniteFigure(lifeCycleEffortYears * 12.0);
    double before = 0.0;
    for (int month = 1; month <= months; ++month) {
        // Each month's effort is the difference of the cumulative efforts at its ends, so
        // the months add up to the cumulative effort the table ends with.
        double cumulative = RayleighCumulativeEffortAt(effortMonths, buildYears, month / 12.0);
        double effort = cumulative - before;
        table.periods.push_back({month, effort, effort, cumulative});
        before = cumulative;
    }
    return table;
}

}  // namespace korval
