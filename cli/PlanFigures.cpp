#include "cli/PlanFigures.h"

#include <sstream>

#include "cli/FiguresTable.h"
#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "framework/cStaffingTabulator.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {

constexpr const char* kTableColumns[] = {"month", "staff", "effort", "cumulativeEffort",
                                         "cumulativeCost"};

Json EffortJson(const RangedFigure& months, const RangedFigure& years) {
    return Json{{"personMonths", RangeJson(months)}, {"personYears", RangeJson(years)}};
}

// The phases month by month, as the system's staffing is.
StaffingTable TabulateProfile(const StaffingProfile& profile) {
    cStaffingTabulator tabulator(profile.EndMonth());
    for (const StaffingStep& step : profile.steps) tabulator.Add(step);
    return tabulator.Table();
}

}  // namespace

Json StaffingTableJson(const StaffingTable& table) {
    Json periods = Json::array();
    for (const StaffingPeriod& period : table.periods) {
        periods.push_back(Json{{"month", period.month},
                               {"staff", NumberJson(period.staff)},
                               {"effort", NumberJson(period.effort)},
                               {"cumulativeEffort", NumberJson(period.cumulativeEffort)}});
    }
    return Json{{"periodMonths", NumberJson(table.periodMonths)},
                {"truncated", table.truncated},
                {"periods", std::move(periods)}};
}

Json StaffingProfileJson(const StaffingProfile& profile) {
    Json steps = Json::array();
    for (const StaffingStep& step : profile.steps) {
        steps.push_back(Json{{"name", step.name},
                             {"startMonth", NumberJson(step.startMonth)},
                             {"endMonth", NumberJson(step.endMonth)},
                             {"staff", NumberJson(step.staff)},
                             {"effort", NumberJson(step.effort)}});
    }
    return steps;
}

Json RayleighPlanJson(const cRayleighDoc& document) {
    return Json{{"lifeCycleEffort", EffortJson(document.LifeCycleEffortMonthsRange(),
                                               document.LifeCycleEffortYearsRange())},
                {"mainBuildEffort", EffortJson(document.MainBuildEffortMonthsRange(),
                                               document.MainBuildEffortYearsRange())},
                {"peakStaff", RangeJson(document.PeakStaffRange())},
                {"staffing", StaffingTableJson(document.GetStaffingTable())}};
}

Json CocomoPlanJson(const cCocomoDoc& document) {
    StaffingProfile profile = document.GetStaffingProfile();
    return Json{{"totalEffort", NumberJson(profile.TotalEffort())},
                {"phases", StaffingProfileJson(profile)}};
}

Json ProjectPlanJson(const cProjectDoc& document) {
    ProjectPlan plan = document.GetPlan();
    return Json{{"cocomoEffort", NumberJson(plan.cocomoEffort)},
                {"putnamEffort", NumberJson(plan.putnamEffort)},
                {"putnamMainBuildEffort", NumberJson(plan.putnamMainBuildEffort)},
                {"putnamPeakStaff", NumberJson(plan.putnamPeakStaff)},
                {"mainBuildStartMonth", NumberJson(plan.rayleighStartMonth)},
                {"mainBuildEndMonth", NumberJson(plan.rayleighPeakMonth)},
                {"cocomoPhases", StaffingProfileJson(plan.cocomo)}};
}

// The members' phases are in "members" already (their ends, and their schedules); the
// plan adds what they sum to.
Json SystemPlanJson(const cSystemDoc& document) {
    SystemPlan plan = document.GetPlan();
    return Json{{"endMonth", NumberJson(plan.endMonth)},
                {"placedEffort", NumberJson(plan.placedEffort)},
                {"peakStaff", NumberJson(plan.staffing.PeakStaff())},
                {"staffing", StaffingTableJson(plan.staffing)}};
}

std::optional<StaffingTable> DocumentStaffingTable(const cModelDoc& document) {
    if (const auto* rayleigh = dynamic_cast<const cRayleighDoc*>(&document))
        return rayleigh->GetStaffingTable();
    if (const auto* cocomo = dynamic_cast<const cCocomoDoc*>(&document))
        return TabulateProfile(cocomo->GetStaffingProfile());
    if (const auto* project = dynamic_cast<const cProjectDoc*>(&document))
        return project->GetRayleighModel()->GetStaffingTable();
    if (const auto* system = dynamic_cast<const cSystemDoc*>(&document))
        return system->GetPlan().staffing;
    return std::nullopt;
}

std::string StaffingCsv(const StaffingTable& table) {
    std::ostringstream csv;
    for (const char* column : kTableColumns)
        csv << column << (column == kTableColumns[4] ? "\r\n" : ",");
    for (const StaffingPeriod& period : table.periods) {
        csv << period.month << ',' << ScalarText(NumberJson(period.staff)) << ','
            << ScalarText(NumberJson(period.effort)) << ','
            << ScalarText(NumberJson(period.cumulativeEffort)) << ",\r\n";
    }
    return std::move(csv).str();
}

std::string StaffingText(const StaffingTable& table) {
    std::ostringstream text;
    text << FormatNumber("%-8s", "Month") << FormatNumber("%12s", "Staff")
         << FormatNumber("%12s", "Effort") << FormatNumber("%16s", "Cumulative") << '\n';
    for (const StaffingPeriod& period : table.periods) {
        text << FormatNumber("%-8d", period.month) << FormatNumber("%12.2lf", period.staff)
             << FormatNumber("%12.2lf", period.effort)
             << FormatNumber("%16.2lf", period.cumulativeEffort) << '\n';
    }
    if (table.periodMonths != 1)
        text << FormatNumber("Periods of %g months.\n", table.periodMonths);
    if (table.truncated) text << "The staffing goes on after the last month shown.\n";
    return std::move(text).str();
}

}  // namespace korval
