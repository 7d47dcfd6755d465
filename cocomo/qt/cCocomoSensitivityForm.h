#pragma once

#include <array>

#include "app/qt/cDialogForm.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

class cCocomoSensitivityDlg;

// COCOMO Sensitivity Adjustments: a percentage per uncertain quantity and the radio
// buttons choosing which one the estimate varies.
class cCocomoSensitivityForm : public cDialogForm {
    Q_OBJECT
  public:
    cCocomoSensitivityForm(cCocomoSensitivityDlg& logic, cPlatformServices& platform,
                           QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void Refresh();

    cCocomoSensitivityDlg& logic_;
    QButtonGroup* types_;
    std::array<QLineEdit*, 3> fields_{};
};

}  // namespace korval
