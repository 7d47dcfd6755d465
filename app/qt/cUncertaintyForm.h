#pragma once

#include <array>
#include <vector>

#include "app/qt/cDialogForm.h"
#include "framework/cUncertaintyDlg.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace korval {

// Uncertainty: one row of optimistic, most likely and pessimistic fields per uncertain
// input, the single numbers and switches of the kind, then the run (distribution, trials,
// seed, targets), and, when the kind has rating ranges (COCOMO's cost drivers), on a second
// page a compact grid of each input's current, lowest and highest rating. Built from whatever
// rows the dialog logic holds, so every kind shares it.
class cUncertaintyForm : public cDialogForm {
    Q_OBJECT
  public:
    cUncertaintyForm(cUncertaintyDlg& logic, cPlatformServices& platform,
                     QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    QWidget* RefusedField() const;
    void FocusRefusedField();
    QWidget* MakeRatingRanges();
    QComboBox* MakeRangeEnd(int row, int end);

    cUncertaintyDlg& logic_;
    QButtonGroup* shapes_;
    std::vector<std::array<QLineEdit*, 3>> threePoints_;
    std::vector<QLineEdit*> numbers_;
    std::vector<QCheckBox*> switches_;
    std::vector<std::array<QComboBox*, 2>> rangeEnds_;
    std::array<QLineEdit*, cUncertaintyDlg::kRunFieldCount> runFields_{};
    QTabWidget* tabs_ = nullptr;
};

}  // namespace korval
