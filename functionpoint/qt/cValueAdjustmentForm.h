#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "functionpoint/FunctionPointCells.h"

class QButtonGroup;
class QLabel;

namespace korval {

class cValueAdjustmentDlg;

// Value Adjustment Factor: a row of six rating radios for each of the fourteen general
// system characteristics, and below them the running total and the factor it gives.
class cValueAdjustmentForm : public cDialogForm {
    Q_OBJECT
  public:
    cValueAdjustmentForm(cValueAdjustmentDlg& logic, cPlatformServices& platform,
                         QWidget* parent = nullptr);

  private:
    void Refresh();

    cValueAdjustmentDlg& logic_;
    std::array<QButtonGroup*, kSystemCharacteristicCount> rows_{};
    QLabel* total_ = nullptr;
};

}  // namespace korval
