#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "app/qt/cProbabilityGroup.h"
#include "rayleigh/cRayleighReverseDlg.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

// Rayleigh Reverse Engineering: which of SLOC, TDEV and MBI to modify and which to hold
// fixed, with the "Input", "Output" and "Original" values of each.
class cRayleighReverseForm : public cDialogForm {
    Q_OBJECT
  public:
    cRayleighReverseForm(cRayleighReverseDlg& logic, cPlatformServices& platform,
                         QWidget* parent = nullptr);

  private:
    using Fields = std::array<QLineEdit*, cRayleighReverseDlg::kRowCount>;

    void Refresh();
    void FocusInput();

    cRayleighReverseDlg& logic_;
    cProbabilityGroup* probability_;
    QButtonGroup* modifyRadios_;
    QButtonGroup* fixedRadios_;
    Fields inputs_{};
    Fields outputs_{};
    Fields originals_{};
};

}  // namespace korval
