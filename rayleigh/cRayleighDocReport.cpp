// The Rayleigh report body of cRayleighDoc and the report switches it offers.
#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/cDisplayOptionsDlg.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

std::string RangeText(double low, double high) {
    return FormatNumber("(%-3.1lf - %3.1lf)", FiniteFigure(low), FiniteFigure(high));
}

}  // namespace

int cRayleighDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    bool ranges = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    if (ranges) total += DrawSensitivityRow(dc, y, flags);
    if (GetFilter(kIntermediateTotalsSwitch) == FilterState::On)
        total += DrawInputRows(dc, y, flags, ranges);
    if (GetFilter(kTotalsSwitch) == FilterState::On) total += DrawMbiRows(dc, y, flags, ranges);
    if (costBlockShown_ && ShowsCost(*this, cost_)) total += DrawCost(dc, y, flags, ranges);
    return FinishReport(dc, total);
}

std::vector<CostRow> cRayleighDoc::CostRows(bool ranges) const {
    return {{"Life-Cycle Effort:", LifeCycleEffortMonthsRange(), ranges},
            {"Main Build Effort:", MainBuildEffortMonthsRange(), ranges}};
}

// Under its own heading after every other row, so that pricing an estimate moves nothing.
int cRayleighDoc::DrawCost(cDrawContext& dc, int& y, unsigned& flags, bool ranges) {
    int advanced = DrawRow(dc, y, "", "Cost", "", "", flags, 0.5);
    advanced += DrawCostRateRow(*this, dc, y, flags, cost_, "    ");
    return advanced + DrawCostFigureRows(*this, dc, y, flags, cost_, "    ", CostRows(ranges));
}

int cRayleighDoc::DrawSensitivityRow(cDrawContext& dc, int& y, unsigned& flags) {
    return DrawRow(dc, y, "",
                   "Sensitivity Analysis Type: ", RayleighSensitivityTypeName(sensitivityType_), "",
                   flags, 0.5);
}

int cRayleighDoc::DrawInputRows(cDrawContext& dc, int& y, unsigned& flags, bool ranges) {
    std::string slocRange;
    std::string scheduleRange;
    std::string buildRange;
    RangedFigure build = MainBuildPhaseTimeRange();
    if (ranges) {
        // The input rows show the ranges as given, without the clamping at 0 of the outputs.
        if (sensitivityType_ == RayleighSensitivityType::Sloc) {
            double delta = sourceLines_ * slocSensitivityPercent_ * 0.01;
            slocRange = RangeText(sourceLines_ - delta, sourceLines_ + delta);
        } else if (sensitivityType_ == RayleighSensitivityType::ProjectRanges) {
            slocRange = RangeText(slocLow_, slocHigh_);
        }
        if (sensitivityType_ == RayleighSensitivityType::Schedule) {
            double delta = schedule_ * scheduleSensitivityPercent_ * 0.01;
            scheduleRange = RangeText(schedule_ - delta, schedule_ + delta);
        } else if (sensitivityType_ == RayleighSensitivityType::ProjectRanges) {
            scheduleRange = RangeText(scheduleLow_, scheduleHigh_);
        }
        if (sensitivityType_ == RayleighSensitivityType::Schedule ||
            sensitivityType_ == RayleighSensitivityType::ProjectRanges) {
            buildRange = RangeText(build.low, build.high);
        }
    }
    const cApplicationType* type = SelectedApplicationType();
    int total = DrawRow(dc, y, "", "Source Lines of Code:", FormatNumber("%-3.1lf", sourceLines_),
                        slocRange, flags, 0.5);
    total += DrawRow(dc, y, "",
                     "Time to Develop (TDEV):", FormatNumber("%-3.1lf calendar months", schedule_),
                     scheduleRange, flags, 0.5);
    total += DrawRow(dc, y, "", "Main Build Phase Time", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", FormatNumber("    (%d%% of TDEV):", buildPhasePercentage_),
                     FormatNumber("%-3.1lf calendar months", build.value), buildRange, flags, 0.5);
    total += DrawRow(dc, y, "", "Application Type:", type ? type->Name() : std::string(), "", flags,
                     0.5);
    return total;
}

int cRayleighDoc::DrawMbiRows(cDrawContext& dc, int& y, unsigned& flags, bool ranges) {
    RangedFigure mbi = ManpowerBuildupIndexRange();
    std::string range =
        ranges ? "(" + MbiLevelText(mbi.low) + " - " + MbiLevelText(mbi.high) + ")" : std::string();
    int total = DrawRow(dc, y, "", "Manpower Buildup Index", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", "    (MBI) Level:", MbiLevelText(mbi.value), range, flags, 0.5);
    return total;
}

// --- Display options -------------------------------------------------------------------

void cRayleighDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    cModelDoc::FillDisplayOptions(dialog);
    dialog.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, FilterState::NotApplicable);
}

void cRayleighDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    // The phase distribution box is hidden here; its switch keeps its stored value.
    FilterState phaseDistribution = GetFilter(kPhaseDistributionSwitch);
    cModelDoc::StoreDisplayOptions(dialog);
    SetFilter(kPhaseDistributionSwitch, phaseDistribution);
}

}  // namespace korval
