#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "app/qt/cProbabilityGroup.h"
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

    using Fields = std::array<QLineEdit*, cFpReverseDlg::kRowCount>;

    cFpReverseDlg& logic_;
    cProbabilityGroup* probability_;
    QButtonGroup* modifyRadios_;
    QLineEdit* language_;
    Fields inputs_{};
    Fields outputs_{};
    Fields originals_{};
};

}  // namespace korval
