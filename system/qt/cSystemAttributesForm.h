#pragma once

#include "app/qt/cDialogForm.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

class cSystemAttributesDlg;

// System Level Estimation Attributes: the product design phase, derived from the member
// projects or entered, and the final test and evaluation phase.
class cSystemAttributesForm : public cDialogForm {
    Q_OBJECT
  public:
    cSystemAttributesForm(cSystemAttributesDlg& logic, cPlatformServices& platform,
                          QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void Refresh();

    cSystemAttributesDlg& logic_;
    QButtonGroup* source_;
    QLineEdit* productDesignTdev_;
    QLineEdit* productDesignEffort_;
    QLineEdit* finalTestTdev_;
    QLineEdit* finalTestEffort_;
};

}  // namespace korval
