#pragma once

#include <array>
#include <vector>

#include "app/qt/cDialogForm.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace korval {

class cUncertaintyDlg;

// Uncertainty: one row of optimistic, most likely and pessimistic fields per uncertain
// input, the single numbers and switches of the kind, then the run (distribution, trials,
// seed, targets), and beside them, when the kind has rating ranges (COCOMO's cost drivers),
// a compact grid of each input's current, lowest and highest rating. Built from whatever
// rows the dialog logic holds, so every kind shares it.
class cUncertaintyForm : public cDialogForm {
    Q_OBJECT
  public:
    cUncertaintyForm(cUncertaintyDlg& logic, cPlatformServices& platform,
                     QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void FocusRefusedField();
    QGroupBox* MakeRatingRanges();
    QComboBox* MakeRangeEnd(int row, int end);

    cUncertaintyDlg& logic_;
    QButtonGroup* shapes_;
    std::vector<std::array<QLineEdit*, 3>> threePoints_;
    std::vector<QLineEdit*> numbers_;
    std::vector<QCheckBox*> switches_;
    std::vector<std::array<QComboBox*, 2>> rangeEnds_;
    std::array<QLineEdit*, 4> runFields_{};
};

}  // namespace korval
