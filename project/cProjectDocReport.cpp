// The project report: the project's description, then each model's own report under its
// heading, one and a half lines apart.
#include <algorithm>

#include "cocomo/cCocomoDoc.h"
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
    return FinishReport(dc, total);
}

}  // namespace korval
