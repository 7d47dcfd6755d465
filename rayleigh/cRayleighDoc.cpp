#include "rayleigh/cRayleighDoc.h"

#include <algorithm>

#include "framework/FiniteFigure.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileMemo.h"
#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/RayleighStaffingTable.h"

namespace korval {

namespace {

bool IsPercentage(double value) {
    return value >= 0.0 && value <= 100.0;
}

// value - d and value + d with d the percentage of the value; the low end stops at 0.
RangedFigure PercentRange(double value, double percent) {
    double delta = value * percent * 0.01;
    return {value, std::max(FiniteFigure(value - delta), 0.0), FiniteFigure(value + delta)};
}

}  // namespace

cRayleighDoc::cRayleighDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Rayleigh) {
    ResetToDefaults();
}

const cApplicationType* cRayleighDoc::SelectedApplicationType() const {
    return applicationTypes_->At(selectedApplication_);
}

void cRayleighDoc::SetSourceLinesRange(double low, double high) {
    slocLow_ = low;
    slocHigh_ = high;
}

void cRayleighDoc::SetScheduleRange(double low, double high) {
    scheduleLow_ = low;
    scheduleHigh_ = high;
}

void cRayleighDoc::SetSensitivityType(RayleighSensitivityType type) {
    sensitivityType_ = IsRayleighSensitivityType(type) ? type : RayleighSensitivityType::Sloc;
}

void cRayleighDoc::SetSelectedApplication(int index) {
    if (applicationTypes_->At(index)) selectedApplication_ = index;
}

void cRayleighDoc::SetRayleighSensitivity(double slocPercent, double schedulePercent, int piSteps,
                                          int pmPercent, RayleighSensitivityType type) {
    slocSensitivityPercent_ = IsPercentage(slocPercent) ? slocPercent : 0.0;
    scheduleSensitivityPercent_ = IsPercentage(schedulePercent) ? schedulePercent : 0.0;
    piSensitivity_ = (piSteps >= 0 && piSteps <= kMaxIndexSteps) ? piSteps : 0;
    pmSensitivityPercent_ = (pmPercent >= 0 && pmPercent <= 100) ? pmPercent : 0;
    SetSensitivityType(type);
}

// --- Outputs ---------------------------------------------------------------------------

RangedFigure cRayleighDoc::MainBuildPhaseTimeRange() const {
    double nominal = FiniteFigure(schedule_ * buildPhasePercentage_ * 0.01);
    if (sensitivityType_ == RayleighSensitivityType::Schedule)
        return PercentRange(nominal, scheduleSensitivityPercent_);
    if (sensitivityType_ == RayleighSensitivityType::ProjectRanges) {
        return {nominal, FiniteFigure(buildPhasePercentage_ * scheduleLow_ * 0.01),
                FiniteFigure(buildPhasePercentage_ * scheduleHigh_ * 0.01)};
    }
    return RangedFigure::Exact(nominal);
}

std::optional<cRayleighDoc::PutnamInputs> cRayleighDoc::GetPutnamInputs() const {
    const cApplicationType* type = SelectedApplicationType();
    if (!type) return std::nullopt;
    const cProductivity& productivity = type->Productivity();

    RangedFigure sloc = RangedFigure::Exact(sourceLines_);
    if (sensitivityType_ == RayleighSensitivityType::Sloc) {
        sloc = PercentRange(sourceLines_, slocSensitivityPercent_);
    } else if (sensitivityType_ == RayleighSensitivityType::ProjectRanges) {
        sloc = {sourceLines_, slocLow_, slocHigh_};
    }

    double pm = productivity.Measure();
    RangedFigure measure = RangedFigure::Exact(pm);
    if (sensitivityType_ == RayleighSensitivityType::Index) {
        cProductivity lower;
        lower.FromIndex(std::max(productivity.Index() - piSensitivity_, 0.0));
        cProductivity upper;
        upper.FromIndex(productivity.Index() + piSensitivity_);
        measure.low = lower.Measure();
        measure.high = upper.Measure();
    } else if (sensitivityType_ == RayleighSensitivityType::Measure) {
        double delta = pmSensitivityPercent_ * pm * 0.01;
        measure.low = pm - delta;
        measure.high = pm + delta;
    }
    return PutnamInputs{sloc, measure, MainBuildPhaseTimeRange()};
}

RangedFigure cRayleighDoc::ManpowerBuildupIndexRange() const {
    std::optional<PutnamInputs> in = GetPutnamInputs();
    if (!in) return {};
    // A longer build, a smaller size and a higher productivity give the lower buildup.
    return {ComputeMbi(in->buildMonths.value, sourceLines_, in->measure.value),
            ComputeMbi(in->buildMonths.high, in->sloc.low, in->measure.high),
            ComputeMbi(in->buildMonths.low, in->sloc.high, in->measure.low)};
}

// The ends pair the inputs as the MBI's do. Inputs that do not enclose their value (a
// project's size range given so) or an end without a figure (a productivity or build
// range reaching 0) would leave the ends out of order; the range then spans all three.
template <class Figure>
RangedFigure cRayleighDoc::PutnamRange(Figure figure) const {
    std::optional<PutnamInputs> in = GetPutnamInputs();
    if (!in) return {};
    auto planned = [this, &figure](double sloc, double pm, double buildMonths) {
        return figure(PlanForSchedule(sloc, pm, buildMonths / 12.0, buildupLevel_));
    };
    double value = planned(in->sloc.value, in->measure.value, in->buildMonths.value);
    double low = planned(in->sloc.low, in->measure.high, in->buildMonths.high);
    double high = planned(in->sloc.high, in->measure.low, in->buildMonths.low);
    return {value, std::min({low, high, value}), std::max({low, high, value})};
}

RangedFigure cRayleighDoc::LifeCycleEffortYearsRange() const {
    return PutnamRange([](const PutnamEstimate& plan) { return plan.lifeCycleEffortYears; });
}

RangedFigure cRayleighDoc::LifeCycleEffortMonthsRange() const {
    return PutnamRange([](const PutnamEstimate& plan) { return plan.LifeCycleEffortMonths(); });
}

RangedFigure cRayleighDoc::MainBuildEffortYearsRange() const {
    return PutnamRange(
        [](const PutnamEstimate& plan) { return MainBuildEffortYears(plan.lifeCycleEffortYears); });
}

RangedFigure cRayleighDoc::MainBuildEffortMonthsRange() const {
    return PutnamRange([](const PutnamEstimate& plan) { return plan.MainBuildEffortMonths(); });
}

RangedFigure cRayleighDoc::PeakStaffRange() const {
    return PutnamRange([](const PutnamEstimate& plan) { return plan.PeakStaff(); });
}

StaffingTable cRayleighDoc::GetStaffingTable() const {
    return MakeRayleighStaffingTable(LifeCycleEffortYearsRange().value, PlanBuildMonths() / 12.0);
}

int cRayleighDoc::DefaultBuildupLevel() const {
    const cApplicationType* type = SelectedApplicationType();
    return type ? type->TypicalBuildupLevel().value_or(kDefaultBuildupLevel) : kDefaultBuildupLevel;
}

std::optional<double> cRayleighDoc::SelectedMeasure() const {
    const cApplicationType* type = SelectedApplicationType();
    if (!type) return std::nullopt;
    return type->Productivity().Measure();
}

PutnamEstimate cRayleighDoc::OwnEstimate() const {
    std::optional<double> pm = SelectedMeasure();
    return pm ? PutnamEstimateAtMbi(sourceLines_, *pm, buildupLevel_) : PutnamEstimate{};
}

double cRayleighDoc::MinimumMainBuildMonths() const {
    std::optional<double> pm = SelectedMeasure();
    return pm ? PutnamEstimateAtMbi(sourceLines_, *pm, kFastestMbi).BuildMonths() : 0.0;
}

ScheduleFit cRayleighDoc::PlannedScheduleFit() const {
    std::optional<double> pm = SelectedMeasure();
    if (!pm) return ScheduleFit::kUndefined;
    return FitOfSchedule(sourceLines_, *pm, MainBuildPhaseTime() / 12.0);
}

double cRayleighDoc::PlanBuildMonths() const {
    std::optional<double> pm = SelectedMeasure();
    if (!pm) return MainBuildPhaseTime();
    return PlanForSchedule(sourceLines_, *pm, MainBuildPhaseTime() / 12.0, buildupLevel_)
        .BuildMonths();
}

// --- Reset, load and save ------------------------------------------------------------------

void cRayleighDoc::ResetToDefaults() {
    cProfileFileScope scope(DefaultsProfile());
    cModelDoc::ResetToDefaults();
    struct DefaultTables {
        std::shared_ptr<const cApplicationTypeList> applicationTypes;
        int selectedApplication = 0;
    };
    static cProfileMemo<DefaultTables> defaults;
    const DefaultTables& tables = defaults.Get(DefaultsProfile(), [this] {
        LoadApplicationTypes("");
        selectedApplication_ = 0;
        ReadSelectedApplication("");
        return DefaultTables{applicationTypes_, selectedApplication_};
    });
    applicationTypes_ = tables.applicationTypes;
    selectedApplication_ = tables.selectedApplication;
    sourceLines_ = 0.0;
    schedule_ = 0.0;
    buildPhasePercentage_ = kDefaultBuildPhasePercentage;
    buildupLevel_ = DefaultBuildupLevel();
    cost_ = DefaultCostRate(DefaultsProfile());
    sourceLinesEditable_ = true;
    scheduleEditable_ = true;
    slocSensitivityPercent_ = slocLow_ = slocHigh_ = 0.0;
    scheduleSensitivityPercent_ = scheduleLow_ = scheduleHigh_ = 0.0;
    pmSensitivityPercent_ = 0;
    const cApplicationType* type = SelectedApplicationType();
    piSensitivity_ = type ? type->StandardDeviation() : 0;
    sensitivityType_ = RayleighSensitivityType::Sloc;
    uncertainty_ = {};
}

}  // namespace korval
