#pragma once

#include <cmath>
#include <limits>

namespace korval {

// Figures of absurd inputs (sizes of 1e300, hundreds of large multipliers) can overflow.
// An overflow saturates at the largest double, as reading such numbers does, and a
// quotient or product without a value counts as 0: no report or export ever shows nan or inf.
inline double FiniteFigure(double value) {
    if (std::isnan(value)) return 0;
    if (std::isinf(value))
        return value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    return value;
}

// Staff is effort over schedule; without a schedule there is no staff to show.
inline double StaffQuotient(double effort, double schedule) {
    return schedule != 0 ? FiniteFigure(effort / schedule) : 0;
}

}  // namespace korval
