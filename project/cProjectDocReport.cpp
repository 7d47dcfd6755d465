// The project report: the project's description, then each model's own report under its
// heading, one and a half lines apart.
#include <algorithm>
#include <iterator>

#include "cocomo/cCocomoDoc.h"
#include "framework/CostReport.h"
#include "framework/NumberText.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/ModelConsistency.h"
#include "project/ProjectChart.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

// A model's sensitivity results are shown only where they mean something for the project's
// chosen source; the model's own switch comes back afterwards.
int cProjectDoc::DrawModelReport(cDrawContext& dc, int& y, unsigned flags, cModelDoc& model,
                                 bool suppressSensitivity) {
    bool projectShowsSensitivity = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    if (projectShowsSensitivity && suppressSensitivity)
        model.SetFilter(kSensitivityAnalysisSwitch, FilterState::Off);
    int advanced = DrawModelRows(dc, y, flags, model);
    if (projectShowsSensitivity) model.SetFilter(kSensitivityAnalysisSwitch, FilterState::On);
    return advanced;
}

// The models' staffing and cost come after all their rows, in the project's own blocks;
// their charts give way to the project's own, which shows both plans on one axis.
int cProjectDoc::DrawModelRows(cDrawContext& dc, int& y, unsigned flags, cModelDoc& model) {
    const cModelDoc::FilterSwitch heldBack[] = {kStaffingSwitch, kCostSwitch, kChartsSwitch};
    FilterState kept[std::size(heldBack)];
    for (std::size_t i = 0; i < std::size(heldBack); ++i) {
        kept[i] = model.GetFilter(heldBack[i]);
        model.SetFilter(heldBack[i], FilterState::Off);
    }
    model.ShowWarnings(false);
    int advanced = model.DrawReport(dc, y, flags);
    model.ShowWarnings(true);
    for (std::size_t i = 0; i < std::size(heldBack); ++i) model.SetFilter(heldBack[i], kept[i]);
    return advanced;
}

int cProjectDoc::DrawStaffingBlock(cDrawContext& dc, int& y, unsigned flags) {
    ProjectPlan plan = GetPlan();
    int total = DrawRow(dc, y, "STAFFING INFORMATION:", "", "", "", flags, 0.5);
    total += DrawRow(dc, y, "", "COCOMO Phases", "", "", flags, 0.05);
    total += cocomo_->DrawStaffingRows(dc, y, flags);
    total += DrawRow(dc, y, "", "    Adjusted Effort:",
                     FormatNumber("%-3.1lf person months", plan.cocomoEffort), "", flags, 0.5);
    total += DrawRow(dc, y, "", "Putnam Curve", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", "    Main Build:",
                     FormatNumber("%-3.1lf - ", plan.rayleighStartMonth) +
                         FormatNumber("%-3.1lf calendar months", plan.rayleighPeakMonth),
                     "", flags, 0.5);
    total += rayleigh_->DrawStaffingRows(dc, y, flags);
    if (!plan.rayleigh.periods.empty()) {
        total += DrawRow(dc, y, "", "    (months counted from the start of the main build)", "", "",
                         flags, 0.5);
    }
    return total;
}

// COCOMO and Putnam side by side on the one size: what a reviewer checks first.
int cProjectDoc::DrawConsistencyBlock(cDrawContext& dc, int& y, unsigned flags) {
    ModelConsistency check = CheckConsistency(*cocomo_, *rayleigh_);
    auto months = [](double value) { return FormatNumber("%-3.1lf calendar months", value); };
    auto effort = [](double value) { return FormatNumber("%-3.1lf person months", value); };
    int total = DrawRow(dc, y, "MODEL CONSISTENCY:", "", "", "", flags, 0.5);
    total +=
        DrawRow(dc, y, "", "COCOMO Adjusted Effort:", effort(check.cocomoEffort), "", flags, 0.5);
    total += DrawRow(dc, y, "", "COCOMO TDEV:", months(check.cocomoTdev), "", flags, 0.5);
    total += DrawRow(dc, y, "", "Putnam's Own Estimate", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", "    Main Build Phase Time:", months(check.ownMainBuildMonths), "",
                     flags, 0.5);
    total += DrawRow(dc, y, "", "    Main Build Effort:", effort(check.ownMainBuildEffort), "",
                     flags, 0.5);
    total += DrawRow(dc, y, "", "Putnam at COCOMO's TDEV", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", "    Main Build Effort:",
                     check.atCocomoScheduleEffort ? effort(*check.atCocomoScheduleEffort)
                                                  : std::string("outside the MBI scale"),
                     "", flags, 0.5);
    total += DrawRow(dc, y, "", "Putnam / COCOMO Effort:",
                     check.effortRatio ? FormatNumber("%.2f", *check.effortRatio) : std::string(),
                     "", flags, 0.5);
    total += DrawRow(dc, y, "", "PI Matching COCOMO:",
                     check.matchingIndex ? FormatNumber("%.1f", *check.matchingIndex) +
                                               FormatNumber(" (in use: %.0f)", check.indexInUse)
                                         : std::string(),
                     "", flags, 0.5);
    return total;
}

std::vector<EstimateWarning> cProjectDoc::Warnings() const {
    std::vector<EstimateWarning> warnings = cocomo_->Warnings();
    for (EstimateWarning& warning : rayleigh_->Warnings()) warnings.push_back(std::move(warning));
    for (EstimateWarning& warning :
         ConsistencyWarnings(CheckConsistency(*cocomo_, *rayleigh_), *rayleigh_))
        warnings.push_back(std::move(warning));
    return warnings;
}

int cProjectDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    const int gap = static_cast<int>(3 * dc.metrics.text.height * 0.5);
    y = std::max(y, dc.metrics.topMargin);
    int total = DrawRow(dc, y, "PROJECT INFORMATION:", "", "", "", flags, 0.5);
    total += cModelDoc::DrawReport(dc, y, flags);

    y += gap;
    total += gap + DrawRow(dc, y, "FUNCTION POINT INFORMATION:", "", "", "", flags, 0.5);
    total += DrawModelReport(dc, y, flags, *functionPoint_,
                             sensitivitySource_ == SensitivitySource::Cocomo ||
                                 sensitivitySource_ == SensitivitySource::Rayleigh);

    y += gap;
    total += gap + DrawRow(dc, y, "COCOMO INFORMATION:", "", "", "", flags, 0.5);
    total +=
        DrawModelReport(dc, y, flags, *cocomo_, sensitivitySource_ == SensitivitySource::Rayleigh);

    y += gap;
    total += gap + DrawRow(dc, y, "RAYLEIGH INFORMATION:", "", "", "", flags, 0.5);
    total += DrawModelRows(dc, y, flags, *rayleigh_);

    // The check of one model against the other, and what to doubt, before the blocks the
    // display options add.
    if (GetFilter(kTotalsSwitch) == FilterState::On) {
        y += gap;
        total += gap + DrawConsistencyBlock(dc, y, flags);
    }
    total += DrawWarnings(dc, y);

    if (GetFilter(kStaffingSwitch) == FilterState::On) {
        y += gap;
        total += gap + DrawStaffingBlock(dc, y, flags);
    }
    if (ShowsCost(*this, cost_)) {
        y += gap;
        total += gap + DrawCost(dc, y, flags);
    }
    if (GetFilter(kChartsSwitch) == FilterState::On) {
        ChartContent chart = ProjectPlanChart(GetPlan());
        if (!chart.series.empty()) {
            y += gap;
            total += gap + DrawChart(dc, y, "Staffing Chart: COCOMO and Putnam", chart, flags);
        }
    }

    return FinishReport(dc, total);
}

// Both models priced at the project's rate, side by side after every model's rows, with
// ranges where each model's report shows them.
int cProjectDoc::DrawCost(cDrawContext& dc, int& y, unsigned flags) {
    bool sensitivity = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    std::vector<CostRow> cocomo =
        cocomo_->CostRows(sensitivity && sensitivitySource_ != SensitivitySource::Rayleigh);
    std::vector<CostRow> rayleigh = rayleigh_->CostRows(sensitivity);
    int advanced = KeepCostRowsTogether(dc, y, cocomo.size() + rayleigh.size() + 4);
    advanced += DrawRow(dc, y, "COST INFORMATION:", "", "", "", flags, 0.5);
    advanced += DrawCostRateRow(*this, dc, y, flags, cost_, "");
    advanced += DrawRow(dc, y, "", "COCOMO", "", "", flags, 0.5);
    advanced += DrawCostFigureRows(*this, dc, y, flags, cost_, "    ", cocomo);
    advanced += DrawRow(dc, y, "", "Rayleigh", "", "", flags, 0.5);
    return advanced + DrawCostFigureRows(*this, dc, y, flags, cost_, "    ", rayleigh);
}

}  // namespace korval
