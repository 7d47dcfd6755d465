#pragma once

#include <array>

#include "app/cToolbarConfigDlg.h"
#include "app/qt/cDialogForm.h"

class QCheckBox;

namespace korval {

// ToolBar Configuration: the group "ToolBars" with one check box per toolbar.
class cToolbarConfigForm : public cDialogForm {
    Q_OBJECT
  public:
    cToolbarConfigForm(cToolbarConfigDlg& logic, cPlatformServices& platform,
                       QWidget* parent = nullptr);

    QCheckBox* Box(cToolbarConfigDlg::Bar bar) const { return boxes_[bar]; }

  private:
    std::array<QCheckBox*, cToolbarConfigDlg::kBarCount> boxes_{};
};

}  // namespace korval
