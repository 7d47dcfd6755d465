// The Rayleigh report body of cRayleighDoc and the report switches it offers.
#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/StaffingRows.h"
#include "framework/cDisplayOptionsDlg.h"
#include "rayleigh/RayleighChart.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

std::string RangeText(double low, double high) {
    return FormatNumber("(%-3.1lf - %3.1lf)", FiniteFigure(low), FiniteFigure(high));
}

std::string MonthsText(double months) {
    return FormatNumber("%-3.1lf calendar months", FiniteFigure(months));
}

std::string FitText(ScheduleFit fit) {
    switch (fit) {
        case ScheduleFit::kWithin:
            return "within the MBI scale (levels 0 to 6)";
        case ScheduleFit::kShorterThanFastest:
            return "shorter than Putnam's minimum";
        case ScheduleFit::kLongerThanSlowest:
            return "longer than the slowest buildup (level 0)";
        case ScheduleFit::kUndefined:
            break;
    }
    return "not defined (no size, productivity or TDEV)";
}

}  // namespace

int cRayleighDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    bool ranges = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    if (ranges) total += DrawSensitivityRow(dc, y, flags);
    if (GetFilter(kIntermediateTotalsSwitch) == FilterState::On)
        total += DrawInputRows(dc, y, flags, ranges);
    if (GetFilter(kTotalsSwitch) == FilterState::On) total += DrawMbiRows(dc, y, flags, ranges);
    total += DrawWarnings(dc, y);
    if (GetFilter(kStaffingSwitch) == FilterState::On) {
        total += DrawRow(dc, y, "", "Staffing", "", "", flags, 0.05);
        total += DrawStaffingRows(dc, y, flags);
    }
    if (ShowsCost(*this, cost_)) total += DrawCost(dc, y, flags, ranges);
    if (GetFilter(kChartsSwitch) == FilterState::On) {
        ChartContent chart = RayleighStaffingChart(*this, ranges);
        if (!chart.series.empty()) total += DrawChart(dc, y, "Staffing Chart", chart, flags);
    }
    return FinishReport(dc, total);
}

std::vector<CostRow> cRayleighDoc::CostRows(bool ranges) const {
    return {{"Life-Cycle Effort:", LifeCycleEffortMonthsRange(), ranges},
            {"Main Build Effort:", MainBuildEffortMonthsRange(), ranges}};
}

// Under its own heading after every other row, so that pricing an estimate moves nothing.
int cRayleighDoc::DrawCost(cDrawContext& dc, int& y, unsigned& flags, bool ranges) {
    std::vector<CostRow> rows = CostRows(ranges);
    int advanced = KeepCostRowsTogether(dc, y, rows.size() + 2);
    advanced += DrawRow(dc, y, "", "Cost", "", "", flags, 0.5);
    advanced += DrawCostRateRow(*this, dc, y, flags, cost_, "    ");
    return advanced + DrawCostFigureRows(*this, dc, y, flags, cost_, "    ", rows);
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

int cRayleighDoc::DrawPutnamEstimateRows(cDrawContext& dc, int& y, unsigned flags) {
    PutnamEstimate own = OwnEstimate();
    int total = DrawRow(dc, y, "", "    Putnam's Own Estimate", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", "        Buildup Level:", BuildupLevelText(buildupLevel_), "",
                     flags, 0.5);
    total += DrawRow(dc, y, "", "        Main Build Phase Time:", MonthsText(own.BuildMonths()), "",
                     flags, 0.5);
    total +=
        DrawRow(dc, y, "", "        Main Build Effort:",
                FormatNumber("%-3.1lf person months", own.MainBuildEffortMonths()), "", flags, 0.5);
    total += DrawRow(dc, y, "", "        Peak Staff:", FormatNumber("%-3.1lf FSP", own.PeakStaff()),
                     "", flags, 0.5);
    total += DrawRow(dc, y, "", "    Minimum Main Build Time", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", "        (MBI level 6):", MonthsText(MinimumMainBuildMonths()), "",
                     flags, 0.5);
    total += DrawRow(dc, y, "", "    Planned Main Build:", FitText(PlannedScheduleFit()), "", flags,
                     0.5);
    return total;
}

std::vector<EstimateWarning> cRayleighDoc::Warnings() const {
    const cApplicationType* type = SelectedApplicationType();
    std::string index = type ? FormatNumber("productivity index %.0f",
                                            RoundHalfAwayFromZero(type->Productivity().Index()))
                             : std::string();
    std::string planned = FormatNumber("%.1f months", FiniteFigure(MainBuildPhaseTime()));
    std::string size = FormatNumber("%.0f SLOC", FiniteFigure(sourceLines_));
    // A file can hold a size without a main build (TDEV or percentage 0), which the dialog
    // refuses: its Putnam figures all read 0, which is no estimate.
    if (sourceLines_ > 0 && !(MainBuildPhaseTime() > 0)) {
        return {{"putnam.noMainBuild",
                 "The model has a size of " + size +
                     " but no main build (a TDEV or main build percentage of 0): its Putnam "
                     "figures read 0 and are no estimate."}};
    }
    switch (PlannedScheduleFit()) {
        case ScheduleFit::kShorterThanFastest: {
            PutnamEstimate own = OwnEstimate();
            return {{"putnam.scheduleShorterThanMinimum",
                     "The planned main build of " + planned +
                         " is shorter than Putnam's minimum of " +
                         FormatNumber("%.1f months", MinimumMainBuildMonths()) + " for " + size +
                         " at " + index +
                         " (MBI level above 6): the software equation gives no plan for it. The "
                         "Putnam staffing shown is his own estimate at buildup level " +
                         BuildupLevelText(buildupLevel_) + ", a main build of " +
                         FormatNumber("%.1f months", own.BuildMonths()) + "."}};
        }
        case ScheduleFit::kLongerThanSlowest: {
            PutnamEstimate slowest =
                PutnamEstimateAtMbi(sourceLines_, type->Productivity().Measure(), kSlowestMbi);
            return {{"putnam.scheduleLongerThanSlowest",
                     "The planned main build of " + planned +
                         " is longer than the slowest buildup Putnam's scale describes (" +
                         FormatNumber("%.1f months", slowest.BuildMonths()) + " for " + size +
                         " at " + index +
                         ", MBI level 0): the Putnam effort shown is that level's, not "
                         "extrapolated below it."}};
        }
        case ScheduleFit::kWithin:
        case ScheduleFit::kUndefined:
            break;
    }
    return {};
}

int cRayleighDoc::DrawStaffingRows(cDrawContext& dc, int& y, unsigned flags) {
    bool ranges = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    auto range = [ranges](const RangedFigure& figure) {
        return ranges ? RangeText(figure.low, figure.high) : std::string();
    };
    auto effortRows = [&](std::string_view label, const RangedFigure& months,
                          const RangedFigure& years) {
        int rows = DrawRow(dc, y, "", label, FormatNumber("%-3.1lf person months", months.value),
                           range(months), flags, 0.05);
        return rows + DrawRow(dc, y, "", "", FormatNumber("%-3.2lf person years", years.value),
                              ranges ? FormatNumber("(%-3.2lf - %3.2lf)", years.low, years.high)
                                     : std::string(),
                              flags, 0.5);
    };
    // Putnam's own estimate and the scale's limits first: they say whether the plan below
    // is at the planned schedule.
    int total = DrawPutnamEstimateRows(dc, y, flags);
    if (PlannedScheduleFit() == ScheduleFit::kShorterThanFastest) {
        total += DrawRow(dc, y, "", "    Plan:",
                         "Putnam's own estimate at level " + BuildupLevelText(buildupLevel_), "",
                         flags, 0.5);
    } else if (PlannedScheduleFit() == ScheduleFit::kLongerThanSlowest) {
        total += DrawRow(dc, y, "", "    Plan:", "the effort of the slowest buildup (level 0)", "",
                         flags, 0.5);
    }
    total += effortRows("    Life-Cycle Effort (K):", LifeCycleEffortMonthsRange(),
                        LifeCycleEffortYearsRange());
    total += effortRows("    Main Build Effort:", MainBuildEffortMonthsRange(),
                        MainBuildEffortYearsRange());
    RangedFigure peak = PeakStaffRange();
    total += DrawRow(dc, y, "", "    Peak Staff:", FormatNumber("%-3.1lf FSP", peak.value),
                     range(peak), flags, 0.5);
    return total + DrawStaffingTableRows(*this, dc, y, flags, GetStaffingTable());
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
