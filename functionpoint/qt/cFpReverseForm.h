#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "functionpoint/cFpReverseDlg.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

// Function Point Reverse Engineering: the "Input", "Output" and "Original" groups over
// unadjusted and adjusted function points and source lines, and the language used.
class cFpReverseForm : public cDialogForm {
    Q_OBJECT
  public:
    cFpReverseForm(cFpReverseDlg& logic, cPlatformServices& platform, QWidget* parent = nullptr);

  private:
    void Refresh();
    void FocusInput();

    cFpReverseDlg& logic_;
    QButtonGroup* figures_;
    QLineEdit* language_;
    std::array<QLineEdit*, cFpReverseDlg::kFigureCount> inputs_{};
    std::array<QLineEdit*, cFpReverseDlg::kFigureCount> outputs_{};
    std::array<QLineEdit*, cFpReverseDlg::kFigureCount> originals_{};
};

}  // namespace korval
