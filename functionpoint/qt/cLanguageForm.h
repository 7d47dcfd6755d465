#pragma once

#include "app/qt/cDialogForm.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace korval {

class cLanguageDlg;

// Language Customization: the language name over the always visible list of languages,
// the multiplier, the buttons that change the table and the two places to write it.
class cLanguageForm : public cDialogForm {
    Q_OBJECT
  public:
    cLanguageForm(cLanguageDlg& logic, cPlatformServices& platform, QWidget* parent = nullptr);

  private:
    bool ApplyToLogic() override;
    // Runs a button of the logic; a refused change puts the focus where the logic says.
    void RunButton(bool refused);
    void Refresh();
    void FocusLogicField();

    cLanguageDlg& logic_;
    QLineEdit* name_;
    QListWidget* list_;
    QLineEdit* multiplier_;
    QCheckBox* setDefaults_;
    QCheckBox* setCurrentModel_;
    bool updating_ = false;
};

}  // namespace korval
