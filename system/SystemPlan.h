#pragma once

#include <string>
#include <vector>

#include "framework/StaffingProfile.h"
#include "framework/StaffingTable.h"

namespace korval {

// One row of a system's Gantt chart: the system's product design or final test, or a
// member with its programming and integration and test phases where the cumulative
// schedule places them (months from the start of product design).
struct GanttRow {
    enum class Kind { ProductDesign, Member, FinalTest };
    Kind kind = Kind::Member;
    int member = 0;    // the member's number, from 1; 0 for the system's own phases
    std::string name;  // the member's file as the system lists it, or the phase's name
    bool missing = false;
    std::vector<StaffingStep> phases;
};

// The system's plan: its Gantt rows and its staffing over time, the sum of every phase's
// average staff where the schedule places it. Efforts in person months.
struct SystemPlan {
    std::vector<GanttRow> rows;
    StaffingTable staffing;
    double endMonth = 0;
    // The efforts of the phases with a duration, which the staffing spreads over time; a
    // phase without time to develop has no place in it.
    double placedEffort = 0;
};

}  // namespace korval
