#pragma once

#include <array>

namespace korval {

// The figures of one development phase, each with its low and its high value. Entries a
// phase does not have are 0: the detailed design and code and unit test efforts belong to
// the programming phase only, whose own effort is given only as those two parts.
struct PhaseFigures {
    enum Index {
        kEffort = 0, kEffortLow, kEffortHigh,                  // person months
        kSchedule, kScheduleLow, kScheduleHigh,                // calendar months
        kDetailedDesign, kDetailedDesignLow, kDetailedDesignHigh,
        kCodeAndUnitTest, kCodeAndUnitTestLow, kCodeAndUnitTestHigh,
        kStaff, kStaffLow, kStaffHigh,                         // full-time staff
        kEntryCount
    };

    std::array<double, kEntryCount> entries{};

    double& operator[](int index) { return entries[static_cast<std::size_t>(index)]; }
    double operator[](int index) const { return entries[static_cast<std::size_t>(index)]; }
};

}  // namespace korval
