#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "functionpoint/cFpSensitivityDlg.h"

class QButtonGroup;
class QGridLayout;
class QLineEdit;

namespace korval {

// Function Point Sensitivity Adjustments: the detail, intermediate total and total
// percentages, and the radio buttons that choose which of them are used.
class cFpSensitivityForm : public cDialogForm {
    Q_OBJECT
  public:
    cFpSensitivityForm(cFpSensitivityDlg& logic, cPlatformServices& platform,
                       QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void Refresh();
    void FocusLogicField();
    // A percentage field followed by "%", placed in the grid at (row, column).
    QLineEdit* AddPercentField(int field, QGridLayout* grid, int row, int column, QWidget* parent);

    cFpSensitivityDlg& logic_;
    QButtonGroup* types_;
    std::array<QLineEdit*, cFpSensitivityDlg::kFieldCount> fields_{};
};

}  // namespace korval
