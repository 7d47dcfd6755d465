#pragma once

#include <vector>

#include "framework/StaffingProfile.h"
#include "framework/StaffingTable.h"

namespace korval {

// Sums staffing steps (each a constant staff from its start to its end month) into a
// staffing table of equal periods from month 0, in time linear in the steps plus the
// periods: each step adds only its two corners, the table is read off in one sweep. The
// periods are months, or as many months each as keep them within kMaxStaffingPeriods.
class cStaffingTabulator {
  public:
    // endMonth: where the table ends; steps reaching past it are cut there.
    explicit cStaffingTabulator(double endMonth);

    // A step without time or effort adds nothing; a step's start below 0 counts from 0.
    void Add(const StaffingStep& step);
    // The effort of the steps added, as far as they lie within the table.
    double PlacedEffort() const { return placedEffort_; }
    StaffingTable Table() const;

  private:
    void AddCorner(double month, double slopeChange);

    double periodMonths_ = 1;
    double endMonth_ = 0;
    double placedEffort_ = 0;
    // The cumulative effort is piecewise linear in time: at each corner its slope changes
    // by the staff starting or stopping there. Corners are kept per grid point they first
    // reach as sums of slope changes and of slope change x month.
    std::vector<double> slopeChanges_;
    std::vector<double> weightedChanges_;
};

}  // namespace korval
