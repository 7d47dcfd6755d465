#pragma once

#include <string>
#include <vector>

namespace korval {

// A stretch of constant staffing: a phase with its average staff from its start to its
// end, in months from the start of the time axis; effort in person months.
struct StaffingStep {
    std::string name;
    double startMonth = 0;
    double endMonth = 0;
    double staff = 0;
    double effort = 0;
};

// Phases laid end to end (or placed on a schedule): staffing as steps.
struct StaffingProfile {
    std::vector<StaffingStep> steps;

    double TotalEffort() const {
        double total = 0;
        for (const StaffingStep& step : steps) total += step.effort;
        return total;
    }
    double EndMonth() const {
        double end = 0;
        for (const StaffingStep& step : steps) end = step.endMonth > end ? step.endMonth : end;
        return end;
    }
};

}  // namespace korval
