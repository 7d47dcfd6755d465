#pragma once

#include <array>

#include "framework/cDialogLogic.h"

namespace korval {

// ToolBar Configuration: one check box per toolbar, checked when the bar is visible.
class cToolbarConfigDlg : public cDialogLogic {
  public:
    // Boxes in the dialog's order.
    enum Bar {
        kFileBar,
        kImportExportBar,
        kSystemBar,
        kProjectBar,
        kFunctionPointBar,
        kCocomoBar,
        kRayleighBar,
        kBarCount
    };
    static const char* Label(Bar bar);
    // The toolbar's bar id ("&File" is the general toolbar 59392, and so on).
    static int BarId(Bar bar);

    const char* Title() const override { return "ToolBar Configuration"; }
    int HelpTopic() const override { return 45; }

    void SetChecked(Bar bar, bool checked) { checked_[bar] = checked; }
    bool IsChecked(Bar bar) const { return checked_[bar]; }

  private:
    std::array<bool, kBarCount> checked_{};
};

}  // namespace korval
