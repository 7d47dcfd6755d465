// The project report: the project's description, then each model's own report under its
// heading, one and a half lines apart.
#include <algorithm>

#include "cocomo/cCocomoDoc.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/ProjectChart.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

// The models' charts give way to the project's own, which shows both plans on one axis.
int DrawWithoutCharts(cDrawContext& dc, int& y, unsigned flags, cModelDoc& model) {
    FilterState charts = model.GetFilter(cModelDoc::kChartsSwitch);
    model.SetFilter(cModelDoc::kChartsSwitch, FilterState::Off);
    int advanced = model.DrawReport(dc, y, flags);
    model.SetFilter(cModelDoc::kChartsSwitch, charts);
    return advanced;
}

}  // namespace

// A model's sensitivity results are shown only where they mean something for the project's
// chosen source; the model's own switch comes back afterwards.
int cProjectDoc::DrawModelReport(cDrawContext& dc, int& y, unsigned flags, cModelDoc& model,
                                 bool suppressSensitivity) {
    bool projectShowsSensitivity = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    if (projectShowsSensitivity && suppressSensitivity)
        model.SetFilter(kSensitivityAnalysisSwitch, FilterState::Off);
    int advanced = DrawWithoutCharts(dc, y, flags, model);
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
    total += DrawWithoutCharts(dc, y, flags, *rayleigh_);

    if (GetFilter(kChartsSwitch) == FilterState::On) {
        ChartSpec chart = ProjectPlanChart(GetPlan());
        if (!chart.series.empty()) {
            y += gap;
            total += gap + DrawChart(dc, y, "Staffing Chart: COCOMO and Putnam", chart, flags);
        }
    }
    return FinishReport(dc, total);
}

}  // namespace korval
