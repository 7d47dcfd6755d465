#pragma once

#include <array>

#include "app/qt/cDialogForm.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

class cCocomoReverseDlg;

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

    cCocomoReverseDlg& logic_;
    QButtonGroup* quantities_;
    std::array<QLineEdit*, 4> inputs_{};
    std::array<QLineEdit*, 4> outputs_{};
    std::array<QLineEdit*, 4> originals_{};
};

}  // namespace korval
