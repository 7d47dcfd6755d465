#pragma once

#include <optional>
#include <string>

#include "cli/FiguresJson.h"
#include "framework/StaffingProfile.h"
#include "framework/StaffingTable.h"

namespace korval {

// The "plan" object of each kind's figures: Putnam's efforts and peak staff and the
// monthly staffing (Rayleigh), the phase profile (COCOMO), both on one time axis (project),
// the staffing summed over the cumulative schedule (system). Efforts in person months.
Json RayleighPlanJson(const cRayleighDoc& document);
Json CocomoPlanJson(const cCocomoDoc& document);
Json ProjectPlanJson(const cProjectDoc& document);
Json SystemPlanJson(const cSystemDoc& document);

Json StaffingTableJson(const StaffingTable& table);
Json StaffingProfileJson(const StaffingProfile& profile);

// The staffing table "korval-cli plan" prints for a document: the Rayleigh curve of a
// Rayleigh model or a project, the COCOMO phases month by month, the system's summed
// staffing. Nothing for a function point count, which has no staffing.
std::optional<StaffingTable> DocumentStaffingTable(const cModelDoc& document);

// The table as CSV (header, then one line a period, CR LF): month, staff, effort in the
// period, cumulative effort and cumulative cost. The cost column is left empty: no labour
// rate is known to the plan.
std::string StaffingCsv(const StaffingTable& table);
// The table as aligned text columns, under the same header.
std::string StaffingText(const StaffingTable& table);

}  // namespace korval
