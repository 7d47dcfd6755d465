#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "app/qt/cProbabilityGroup.h"
#include "cocomo/cCocomoReverseDlg.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

// COCOMO Reverse Engineering: one row per quantity with its radio, input, output and
// original value; Calculate (the default button), Reset and Close.
class cCocomoReverseForm : public cDialogForm {
    Q_OBJECT
  public:
    cCocomoReverseForm(cCocomoReverseDlg& logic, cPlatformServices& platform,
                       QWidget* parent = nullptr);

  private:
    void Refresh();
    void FocusInput();

    using Fields = std::array<QLineEdit*, cCocomoReverseDlg::kRowCount>;

    cCocomoReverseDlg& logic_;
    cProbabilityGroup* probability_;
    QButtonGroup* modifyRadios_;
    Fields inputs_{};
    Fields outputs_{};
    Fields originals_{};
};

}  // namespace korval
