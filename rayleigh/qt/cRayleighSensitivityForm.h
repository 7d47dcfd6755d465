#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "rayleigh/cRayleighSensitivityDlg.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

// Rayleigh Sensitivity Adjustments: the four sensitivity inputs, the selected type's PI
// they step from, and the radio buttons choosing which input varies.
class cRayleighSensitivityForm : public cDialogForm {
    Q_OBJECT
  public:
    cRayleighSensitivityForm(cRayleighSensitivityDlg& logic, cPlatformServices& platform,
                             QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void Refresh();
    void FocusLogicField();

    cRayleighSensitivityDlg& logic_;
    QButtonGroup* types_;
    std::array<QLineEdit*, cRayleighSensitivityDlg::kFieldCount> fields_{};
};

}  // namespace korval
