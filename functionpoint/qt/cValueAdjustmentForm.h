#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "functionpoint/FunctionPointCells.h"

class QButtonGroup;

namespace korval {

class cValueAdjustmentDlg;

// Value Adjustment Factor: a row of six rating radios for each of the fourteen general
// system characteristics.
class cValueAdjustmentForm : public cDialogForm {
    Q_OBJECT
  public:
    cValueAdjustmentForm(cValueAdjustmentDlg& logic, cPlatformServices& platform,
                         QWidget* parent = nullptr);

  private:
    void Refresh();

    cValueAdjustmentDlg& logic_;
    std::array<QButtonGroup*, kSystemCharacteristicCount> rows_{};
};

}  // namespace korval
