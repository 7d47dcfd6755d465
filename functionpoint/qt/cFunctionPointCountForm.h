#pragma once

#include <array>

#include "app/qt/cDialogForm.h"
#include "functionpoint/FunctionPointCells.h"

class QComboBox;
class QLineEdit;

namespace korval {

class cFunctionPointCountDlg;

// Function Point Count: the 15 counts, the weighted total of each function type, the
// total unadjusted function points and the language. The totals are worked out each
// time the focus enters a count, the total or the language.
class cFunctionPointCountForm : public cDialogForm {
    Q_OBJECT
  public:
    cFunctionPointCountForm(cFunctionPointCountDlg& logic, cPlatformServices& platform,
                            QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void OnFocusEntered(int field);
    void FocusRefusedCount();
    void Refresh();

    cFunctionPointCountDlg& logic_;
    std::array<QLineEdit*, kFunctionCellCount> counts_{};
    std::array<QLineEdit*, kFunctionTypeCount> typeTotals_{};
    QLineEdit* total_;
    QComboBox* language_;
};

}  // namespace korval
