// The project's staffing plan: both models' staffing on the project's time axis.
#include <algorithm>

#include "cocomo/cCocomoDoc.h"
#include "framework/FiniteFigure.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

ProjectPlan cProjectDoc::GetPlan() const {
    ProjectPlan plan;
    plan.cocomo = cocomo_->GetStaffingProfile();
    plan.cocomoEffort = plan.cocomo.TotalEffort();
    plan.rayleigh = rayleigh_->GetStaffingTable();
    // The Rayleigh schedule is COCOMO's time to develop; its main build is the last part
    // of it, so the curve peaks where the COCOMO phases end when the plan is at it.
    double schedule = std::max(rayleigh_->GetSchedule(), 0.0);
    plan.rayleighStartMonth =
        std::max(FiniteFigure(schedule - rayleigh_->MainBuildPhaseTime()), 0.0);
    // Where COCOMO's schedule is shorter than Putnam's minimum, the curve is his own
    // estimate: it starts with the planned main build and ends when his does.
    plan.rayleighPeakMonth = FiniteFigure(plan.rayleighStartMonth + rayleigh_->PlanBuildMonths());
    plan.putnamEffort = rayleigh_->LifeCycleEffortMonths();
    plan.putnamMainBuildEffort = rayleigh_->MainBuildEffortMonths();
    plan.putnamPeakStaff = rayleigh_->PeakStaff();
    return plan;
}

}  // namespace korval
