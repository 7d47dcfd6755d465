#pragma once

#include "framework/StaffingProfile.h"
#include "framework/StaffingTable.h"

namespace korval {

// A project's two staffing plans on one time axis, in months from the start of product
// design: the COCOMO phases end to end from month 0 and the Norden-Rayleigh curve from the
// start of the main build, placed so the main build ends where the time to develop ends
// (the main build is its last part). Efforts in person months.
struct ProjectPlan {
    StaffingProfile cocomo;
    // Periods numbered from the start of the main build; add rayleighStartMonth to place
    // them on the project's axis.
    StaffingTable rayleigh;
    double rayleighStartMonth = 0;
    // The month the main build ends, where the curve peaks.
    double rayleighPeakMonth = 0;
    double cocomoEffort = 0;           // the phases' sum, the adjusted effort
    double putnamEffort = 0;           // life-cycle effort K
    double putnamMainBuildEffort = 0;  // E(y)
    double putnamPeakStaff = 0;
};

}  // namespace korval
