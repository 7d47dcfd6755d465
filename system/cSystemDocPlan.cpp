// The system's plan: the members' phases on the cumulative schedule and the staffing
// they sum to.
#include <algorithm>

#include "framework/FiniteFigure.h"
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

}  // namespace korval
