#include "framework/cStaffingTabulator.h"

#include <algorithm>
#include <cmath>

#include "framework/FiniteFigure.h"

namespace korval {

cStaffingTabulator::cStaffingTabulator(double endMonth) {
    endMonth_ = std::isfinite(endMonth) && endMonth > 0 ? endMonth : 0;
    double months = std::ceil(endMonth_);
    if (months > kMaxStaffingPeriods) periodMonths_ = std::ceil(months / kMaxStaffingPeriods);
    auto periods = static_cast<std::size_t>(std::ceil(endMonth_ / periodMonths_));
    slopeChanges_.assign(periods + 1, 0.0);
    weightedChanges_.assign(periods + 1, 0.0);
}

void cStaffingTabulator::AddCorner(double month, double slopeChange) {
    // The first grid point at or after the corner is the first the corner bends.
    auto point = static_cast<std::size_t>(std::ceil(month / periodMonths_));
    point = std::min(point, slopeChanges_.size() - 1);
    slopeChanges_[point] += slopeChange;
    weightedChanges_[point] += slopeChange * month;
}

void cStaffingTabulator::Add(const StaffingStep& step) {
    double start = std::clamp(step.startMonth, 0.0, endMonth_);
    double end = std::clamp(step.endMonth, 0.0, endMonth_);
    if (!(end > start) || !(step.effort > 0) || slopeChanges_.size() < 2) return;
    // The staff that spends the step's effort over its time.
    double staff = step.effort / (step.endMonth - step.startMonth);
    if (!std::isfinite(staff)) return;
    AddCorner(start, staff);
    AddCorner(end, -staff);
    placedEffort_ = FiniteFigure(placedEffort_ + staff * (end - start));
}

StaffingTable cStaffingTabulator::Table() const {
    StaffingTable table;
    table.periodMonths = periodMonths_;
    std::size_t periods = slopeChanges_.size() - 1;
    table.periods.reserve(periods);
    double slope = slopeChanges_[0];
    double weighted = weightedChanges_[0];
    double before = 0;
    for (std::size_t point = 1; point <= periods; ++point) {
        slope += slopeChanges_[point];
        weighted += weightedChanges_[point];
        double month = std::min(static_cast<double>(point) * periodMonths_, endMonth_);
        // Every corner at or before this point adds slope x (month - corner); a sum that
        // rounds below the one before it is the same effort.
        double cumulative = std::max(FiniteFigure(slope * month - weighted), before);
        double effort = cumulative - before;
        double length = month - static_cast<double>(point - 1) * periodMonths_;
        double staff = length > 0 ? effort / length : 0;
        table.periods.push_back({static_cast<int>(std::ceil(month)), staff, effort, cumulative});
        before = cumulative;
    }
    return table;
}

}  // namespace korval
