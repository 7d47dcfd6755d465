// The Rayleigh menu commands of cRayleighDoc. Each dialog works on a copy; OK stores the
// values, marks the document modified and redraws its views; Cancel changes nothing.
#include <optional>
#include <utility>

#include "framework/cCostDlg.h"
#include "rayleigh/cRayleighAttributesDlg.h"
#include "rayleigh/cRayleighDoc.h"
#include "rayleigh/cRayleighReverseDlg.h"
#include "rayleigh/cRayleighSensitivityDlg.h"

namespace korval {

void cRayleighDoc::OnSensitivityAnalysis() {
    const cApplicationType* type = SelectedApplicationType();
    cRayleighSensitivityDlg dialog(Platform(), slocSensitivityPercent_, scheduleSensitivityPercent_,
                                   pmSensitivityPercent_, piSensitivity_,
                                   type ? type->Productivity().Index() : 0.0, sensitivityType_);
    if (!Platform().RunDialog(dialog)) return;
    // The dialog has checked every value; they are stored as they are.
    slocSensitivityPercent_ = dialog.GetSlocPercent();
    scheduleSensitivityPercent_ = dialog.GetSchedulePercent();
    pmSensitivityPercent_ = dialog.GetMeasurePercent();
    piSensitivity_ = dialog.GetIndexSteps();
    if (std::optional<RayleighSensitivityType> checked = dialog.GetCheckedType())
        sensitivityType_ = *checked;
    SetModifiedFlag();
    UpdateAllViews();
}

bool cRayleighDoc::OnCost() {
    std::optional<CostRate> cost =
        cCostDlg::Ask(Platform(), "Rayleigh Cost",
                      "The rate prices the life-cycle and main build efforts.", cost_);
    if (!cost) return false;
    cost_ = *cost;
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

void cRayleighDoc::OnAttributes() {
    cRayleighAttributesDlg dialog(Platform(), *this);
    if (!Platform().RunDialog(dialog)) return;
    auto edited = std::make_shared<cApplicationTypeList>(*applicationTypes_);
    for (int i = 0; i < edited->Count(); ++i) {
        if (const cApplicationType* copy = dialog.GetWorkingCopy(i)) *edited->At(i) = *copy;
    }
    applicationTypes_ = std::move(edited);
    // A read-only field shows a rounded value; the document keeps the exact one.
    if (sourceLinesEditable_) sourceLines_ = dialog.GetSourceLines();
    if (scheduleEditable_) schedule_ = dialog.GetSchedule();
    buildPhasePercentage_ = dialog.GetBuildPhasePercentage();
    SetBuildupLevel(dialog.GetBuildupLevel());
    SetSelectedApplication(dialog.GetSelectedApplication());
    SetModifiedFlag();
    UpdateAllViews();
}

void cRayleighDoc::OnReverseEngineering() {
    OnReverseEngineeringWith(cProbabilitySolve::FetchFor(*this));
}

void cRayleighDoc::OnReverseEngineeringWith(cProbabilitySolve::Fetch simulation) {
    cRayleighReverseDlg dialog(Platform(), *this, std::move(simulation));
    Platform().RunDialog(dialog);
}

}  // namespace korval
