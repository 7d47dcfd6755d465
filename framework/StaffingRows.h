#pragma once

#include "framework/StaffingProfile.h"
#include "framework/StaffingTable.h"
#include "framework/cModelDoc.h"

namespace korval {

// The report rows of a staffing table: a header, then one row a period (its last month,
// average staff, effort and cumulative effort). Returns the height advanced.
int DrawStaffingTableRows(const cModelDoc& doc, cDrawContext& dc, int& y, unsigned flags,
                          const StaffingTable& table);

// The report rows of staffing steps: each step's name, its months and average staff.
int DrawStaffingProfileRows(const cModelDoc& doc, cDrawContext& dc, int& y, unsigned flags,
                            const StaffingProfile& profile);

}  // namespace korval
