#pragma once

#include <vector>

namespace korval {

// One period of a staffing table: efforts in person months, staff in people. The staff is
// the period's effort over its length, so a table's staff and effort always agree.
struct StaffingPeriod {
    int month = 0;                // number of the period's last month, from 1
    double staff = 0;             // average staff over the period
    double effort = 0;            // effort spent in the period
    double cumulativeEffort = 0;  // effort spent by the period's end
};

// Staff over time as a table of equal periods from the start of its time axis; a period is
// one calendar month unless a very long schedule needs longer ones to stay readable.
struct StaffingTable {
    double periodMonths = 1;
    std::vector<StaffingPeriod> periods;
    // True when the table stops at its length limit before the staffing has ended.
    bool truncated = false;

    double TotalEffort() const { return periods.empty() ? 0.0 : periods.back().cumulativeEffort; }
    double PeakStaff() const {
        double peak = 0;
        for (const StaffingPeriod& period : periods)
            peak = period.staff > peak ? period.staff : peak;
        return peak;
    }
};

}  // namespace korval
