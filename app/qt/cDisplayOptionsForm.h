#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "framework/cDisplayOptionsDlg.h"

class QCheckBox;

namespace korval {

// Display Options: one check box a switch; a box the logic hides is not shown.
class cDisplayOptionsForm : public cDialogForm {
    Q_OBJECT
  public:
    cDisplayOptionsForm(cDisplayOptionsDlg& logic, cPlatformServices& platform,
                        QWidget* parent = nullptr);

    QCheckBox* Box(cDisplayOptionsDlg::Box box) const { return boxes_[box]; }

  private:
    std::array<QCheckBox*, cDisplayOptionsDlg::kBoxCount> boxes_{};
};

}  // namespace korval
