#pragma once

#include <array>

namespace korval {

// The figures of one development phase, each with its low and its high value. Entries a
// phase does not have are 0: the detailed design and code and unit test efforts belong to
// the programming phase only, whose own effort is given only as those two parts.
struct PhaseFigures {
    // Value, low and high of: effort (person months), schedule (calendar months),
    // detailed design and code and unit test efforts (person months), average staff
    // (full-time staff).
    enum Index {
        kEffort = 0,
        kEffortLow,
        kEffortHigh,
        kSchedule,
        kScheduleLow,
        kScheduleHigh,
        kDetailedDesign,
        kDetailedDesignLow,
        kDetailedDesignHigh,
        kCodeAndUnitTest,
        kCodeAndUnitTestLow,
        kCodeAndUnitTestHigh,
        kStaff,
        kStaffLow,
        kStaffHigh,
        kEntryCount
    };

    std::array<double, kEntryCount> entries{};

    double& operator[](int index) { return entries[static_cast<std::size_t>(index)]; }
    double operator[](int index) const { return entries[static_cast<std::size_t>(index)]; }
};

}  // namespace korval
