#pragma once

#include "app/qt/cDialogForm.h"

class QLineEdit;

namespace korval {

class cCostDlg;

// Cost: the labour rate per person-month and its currency, with a note on what the rate
// prices in the document it was opened from.
class cCostForm : public cDialogForm {
    Q_OBJECT
  public:
    cCostForm(cCostDlg& logic, cPlatformServices& platform, QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;

    cCostDlg& logic_;
    QLineEdit* rate_;
    QLineEdit* currency_;
};

}  // namespace korval
