// The project report: the project's description, then each model's own report under its
// heading, one and a half lines apart.
#include <algorithm>

#include "cocomo/cCocomoDoc.h"
#include "framework/CostReport.h"
#include "functionpoint/cFunctionPointDoc.h"
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
    int advanced = model.DrawReport(dc, y, flags);
    if (projectShowsSensitivity) model.SetFilter(kSensitivityAnalysisSwitch, FilterState::On);
    return advanced;
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
    total += rayleigh_->DrawReport(dc, y, flags);

    if (ShowsCost(*this, cost_)) {
        y += gap;
        total += gap + DrawCost(dc, y, flags);
    }
    return FinishReport(dc, total);
}

// Both models priced at the project's rate, side by side after every model's rows, with
// ranges where each model's report shows them.
int cProjectDoc::DrawCost(cDrawContext& dc, int& y, unsigned flags) {
    bool sensitivity = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    int advanced = DrawRow(dc, y, "COST INFORMATION:", "", "", "", flags, 0.5);
    advanced += DrawCostRateRow(*this, dc, y, flags, cost_, "");
    advanced += DrawRow(dc, y, "", "COCOMO", "", "", flags, 0.5);
    advanced += DrawCostFigureRows(
        *this, dc, y, flags, cost_, "    ",
        cocomo_->CostRows(sensitivity && sensitivitySource_ != SensitivitySource::Rayleigh));
    advanced += DrawRow(dc, y, "", "Rayleigh", "", "", flags, 0.5);
    return advanced +
           DrawCostFigureRows(*this, dc, y, flags, cost_, "    ", rayleigh_->CostRows(sensitivity));
}

}  // namespace korval
