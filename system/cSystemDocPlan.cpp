// The system's plan: the members' phases on the cumulative schedule and the staffing
// they sum to.
#include <algorithm>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/cStaffingTabulator.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {

StaffingStep Phase(const char* name, double start, double months, double effort) {
    double end = FiniteFigure(start + months);
    return {name, start, end, StaffQuotient(effort, end - start), effort};
}

}  // namespace

// The member rows follow the cumulative schedule (see CumulativeSchedule): the members'
// programming phases one after the other from the end of product design, each member's
// integration and test right after its programming, the final test after the latest of
// them. Each member's figures are taken once.
SystemPlan cSystemDoc::GetPlan() const {
    SystemPlan plan;
    plan.rows.reserve(members_.size() + 2);
    plan.rows.push_back({GanttRow::Kind::ProductDesign,
                         0,
                         "Product Design",
                         false,
                         {Phase("Product Design", 0, productDesignTdev_, productDesignEffort_)}});
    double cumulative = productDesignTdev_;
    double latest = productDesignTdev_;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        const cSystemProjectDoc& member = *members_[i];
        MemberFigures figures = member.Figures();
        StaffingStep programming =
            Phase("Programming", cumulative, figures.programmingTdev, figures.programmingEffort);
        cumulative = programming.endMonth;
        StaffingStep integration = Phase("Integration and Test", cumulative,
                                         figures.integrationTdev, figures.integrationEffort);
        latest = std::max(latest, integration.endMonth);
        plan.rows.push_back({GanttRow::Kind::Member,
                             static_cast<int>(i + 1),
                             member.GetFileName(),
                             !member.IsFound(),
                             {std::move(programming), std::move(integration)}});
    }
    plan.rows.push_back(
        {GanttRow::Kind::FinalTest,
         0,
         "Final Test and Eval.",
         false,
         {Phase("Final Test and Eval.", latest, finalTestTdev_, finalTestEffort_)}});
    plan.endMonth = plan.rows.back().phases.back().endMonth;

    cStaffingTabulator tabulator(plan.endMonth);
    for (const GanttRow& row : plan.rows) {
        for (const StaffingStep& phase : row.phases) tabulator.Add(phase);
    }
    plan.staffing = tabulator.Table();
    plan.placedEffort = tabulator.PlacedEffort();
    return plan;
}

// --- Report ----------------------------------------------------------------------------

namespace {

std::string Months(double value) {
    return FormatNumber("%-3.1lf", FiniteFigure(value));
}

}  // namespace

int cSystemDoc::DrawStaffingBlock(cDrawContext& dc, int& y, unsigned flags,
                                  const SystemPlan& plan) {
    int total = DrawRow(dc, y, "STAFFING INFORMATION:", "", "", "", flags, 0.5);
    const StaffingPeriod* peak = nullptr;
    for (const StaffingPeriod& period : plan.staffing.periods) {
        if (!peak || period.staff > peak->staff) peak = &period;
    }
    total +=
        DrawRow(dc, y, "", "Peak Staff:", FormatNumber("%-3.1lf FSP", peak ? peak->staff : 0.0),
                peak ? FormatNumber("in month %d", peak->month) : std::string(), flags, 0.5);
    total += DrawRow(dc, y, "", "Average Staff:",
                     FormatNumber("%-3.1lf FSP", StaffQuotient(plan.placedEffort, plan.endMonth)),
                     "", flags, 0.5);
    total += DrawRow(dc, y, "",
                     "Placed Effort:", FormatNumber("%-3.1lf person months", plan.placedEffort), "",
                     flags, 0.5);
    if (!members_.empty()) total += DrawMemberTimeline(dc, y, flags, plan);
    return total;
}

int cSystemDoc::DrawMemberTimeline(cDrawContext& dc, int& y, unsigned flags,
                                   const SystemPlan& plan) {
    int total = DrawRow(dc, y, "", "Members' Timeline (calendar months)", "", "", flags, 0.05);
    total += DrawArrayRow(dc, y, {"Project", "Prog.", "Prog.", "Prog.", "I&T", "I&T"}, flags, 0.05);
    total += DrawArrayRow(dc, y, {"Number", "Start", "End", "Staff", "End", "Staff"}, flags, 0.05);
    for (const GanttRow& row : plan.rows) {
        if (row.kind != GanttRow::Kind::Member) continue;
        const StaffingStep& programming = row.phases[0];
        const StaffingStep& integration = row.phases[1];
        std::vector<std::string> items = {
            FormatNumber("%d", row.member), Months(programming.startMonth),
            Months(programming.endMonth),   Months(programming.staff),
            Months(integration.endMonth),   Months(integration.staff)};
        if (row.missing) items.push_back("(missing)");
        double spacing = row.member < static_cast<int>(members_.size()) ? 0.05 : 0.5;
        total += DrawArrayRow(dc, y, items, flags, spacing);
    }
    return total;
}

}  // namespace korval
