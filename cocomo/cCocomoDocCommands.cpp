// The COCOMO menu commands of cCocomoDoc. Each dialog works on a copy; OK stores the
// values, marks the document modified and redraws its views; Cancel changes nothing.
#include <new>
#include <utility>

#include "cocomo/cCocomoAttributesDlg.h"
#include "cocomo/cCocomoDoc.h"
#include "cocomo/cCocomoReverseDlg.h"
#include "cocomo/cCocomoSensitivityDlg.h"
#include "cocomo/cCostDriverDlg.h"
#include "framework/cCostDlg.h"

namespace korval {

void cCocomoDoc::OnAttributes() {
    cCocomoAttributesDlg dialog(Platform(), developmentMode_, sourceLines_, slocEditable_);
    if (!Platform().RunDialog(dialog)) return;
    modelType_ = dialog.GetModelType();
    developmentMode_ = dialog.GetMode();
    sourceLines_ = dialog.GetSourceLines();
    SetModifiedFlag();
    UpdateAllViews();
}

void cCocomoDoc::OnCostDrivers() {
    if (costDrivers_->empty()) {
        Platform().ShowMessage("No cost driver attributes could be found.");
        return;
    }
    std::vector<cCostDriverAttribute> working;
    try {
        working = *costDrivers_;
    } catch (const std::bad_alloc&) {
        Platform().ShowMessage("Memory allocation error");
        return;
    }
    cCostDriverDlg dialog(std::move(working));
    if (!Platform().RunDialog(dialog)) return;
    const std::vector<cCostDriverAttribute>& edited = dialog.GetAttributes();
    std::vector<cCostDriverAttribute>& drivers = EditCostDrivers();
    for (std::size_t i = 0; i < edited.size() && i < drivers.size(); ++i) drivers[i] = edited[i];
    SetModifiedFlag();
    UpdateAllViews();
}

void cCocomoDoc::OnSensitivityAnalysis() {
    cCocomoSensitivityDlg dialog(Platform(), slocSensitivity_, nominalSensitivity_,
                                 adjustedSensitivity_, sensitivityType_);
    if (!Platform().RunDialog(dialog)) return;
    SetCocomoSensitivity(dialog.GetPercent(cCocomoSensitivityDlg::kSlocField),
                         dialog.GetPercent(cCocomoSensitivityDlg::kNominalField),
                         dialog.GetPercent(cCocomoSensitivityDlg::kAdjustedField),
                         dialog.GetType());
    SetModifiedFlag();
    UpdateAllViews();
}

void cCocomoDoc::OnReverseEngineering() {
    OnReverseEngineeringWith(cProbabilitySolve::FetchFor(*this));
}

void cCocomoDoc::OnReverseEngineeringWith(cProbabilitySolve::Fetch simulation) {
    cCocomoReverseDlg::Values starting = {EffectiveSourceLines(), GetNominalEffort(),
                                          GetAdjustedEffort(), GetTimeToDevelop()};
    cCocomoReverseDlg dialog(Platform(), starting, GetEffortAdjustmentFactor(),
                             GetModeConstants(developmentMode_), std::move(simulation));
    Platform().RunDialog(dialog);
}

bool cCocomoDoc::OnCost() {
    std::optional<CostRate> cost =
        cCostDlg::Ask(Platform(), "COCOMO Cost",
                      "The rate prices the nominal and adjusted effort and each phase.", cost_);
    if (!cost) return false;
    cost_ = *cost;
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

}  // namespace korval
