#include "framework/StaffingRows.h"

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"

namespace korval {

int DrawStaffingTableRows(const cModelDoc& doc, cDrawContext& dc, int& y, unsigned flags,
                          const StaffingTable& table) {
    if (table.periods.empty()) return 0;
    std::string heading = table.periodMonths == 1
                              ? std::string("    Staffing by Month")
                              : FormatNumber("    Staffing by Periods of %d Months",
                                             static_cast<int>(table.periodMonths));
    int total = doc.DrawRow(dc, y, "", heading, "", "", flags, 0.05);
    total += doc.DrawArrayRow(dc, y, {"Month", "Staff", "Effort", "Cumulative"}, flags, 0.05);
    total += doc.DrawArrayRow(dc, y, {"", "(FSP)", "(PM)", "Effort (PM)"}, flags, 0.05);
    for (std::size_t i = 0; i < table.periods.size(); ++i) {
        const StaffingPeriod& period = table.periods[i];
        double spacing = i + 1 < table.periods.size() ? 0.05 : 0.5;
        total += doc.DrawArrayRow(
            dc, y,
            {FormatNumber("%d", period.month), FormatNumber("%-3.2lf", FiniteFigure(period.staff)),
             FormatNumber("%-3.2lf", FiniteFigure(period.effort)),
             FormatNumber("%-3.1lf", FiniteFigure(period.cumulativeEffort))},
            flags, spacing);
    }
    if (table.truncated) {
        total += doc.DrawRow(
            dc, y, "",
            FormatNumber("    The staffing goes on after month %d.", table.periods.back().month),
            "", "", flags, 0.5);
    }
    return total;
}

int DrawStaffingProfileRows(const cModelDoc& doc, cDrawContext& dc, int& y, unsigned flags,
                            const StaffingProfile& profile) {
    int total =
        doc.DrawRow(dc, y, "", "    Phase", "Calendar Months", "Average Staff", flags, 0.05);
    for (std::size_t i = 0; i < profile.steps.size(); ++i) {
        const StaffingStep& step = profile.steps[i];
        double spacing = i + 1 < profile.steps.size() ? 0.05 : 0.5;
        total += doc.DrawRow(dc, y, "", "    " + step.name + ":",
                             FormatNumber("%-3.1lf - ", FiniteFigure(step.startMonth)) +
                                 FormatNumber("%-3.1lf", FiniteFigure(step.endMonth)),
                             FormatNumber("%-3.1lf FSP", FiniteFigure(step.staff)), flags, spacing);
    }
    return total;
}

}  // namespace korval
