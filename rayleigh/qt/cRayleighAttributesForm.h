#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "rayleigh/cRayleighAttributesDlg.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace korval {

// Rayleigh Attributes: application type and productivity, time to develop, main build
// phase percentage and size, with the build time and MBI level previews that follow
// each field the user leaves.
class cRayleighAttributesForm : public cDialogForm {
    Q_OBJECT
  public:
    cRayleighAttributesForm(cRayleighAttributesDlg& logic, cPlatformServices& platform,
                            QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void Refresh();
    void OnLeave(cRayleighAttributesDlg::Field field);

    cRayleighAttributesDlg& logic_;
    QComboBox* applicationTypes_;
    QComboBox* buildupLevels_;
    QButtonGroup* forms_;
    std::array<QLineEdit*, cRayleighAttributesDlg::kFieldCount> fields_{};
};

}  // namespace korval
