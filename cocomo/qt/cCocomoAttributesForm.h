#pragma once

#include "app/qt/cDialogForm.h"

class QButtonGroup;
class QLineEdit;

namespace korval {

class cCocomoAttributesDlg;

// COCOMO Attributes: the "Mode" and "Model" radio groups and the size field.
class cCocomoAttributesForm : public cDialogForm {
    Q_OBJECT
  public:
    cCocomoAttributesForm(cCocomoAttributesDlg& logic, cPlatformServices& platform,
                          QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    void Refresh();

    cCocomoAttributesDlg& logic_;
    QButtonGroup* modes_;
    QButtonGroup* models_;
    QLineEdit* sourceLines_;
};

}  // namespace korval
