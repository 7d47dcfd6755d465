#pragma once

#include <QString>

#include "app/qt/cDialogForm.h"

class QLineEdit;
class QPlainTextEdit;

namespace korval {

class cDescriptionDlg;

// Description: Title, Prepared By and a multi-line Description. Every change is handed
// to the logic at once; a change the logic refuses (over the limit) is undone with a beep.
class cDescriptionForm : public cDialogForm {
    Q_OBJECT
  public:
    cDescriptionForm(cDescriptionDlg& logic, cPlatformServices& platform,
                     QWidget* parent = nullptr);

    QLineEdit* TitleEdit() const { return title_; }
    QLineEdit* PreparedByEdit() const { return preparedBy_; }
    QPlainTextEdit* DescriptionEdit() const { return description_; }

  private:
    void OnLineEdited(QLineEdit* edit, bool (cDescriptionDlg::*setter)(const std::string&),
                      const std::string& (cDescriptionDlg::*getter)() const);
    void OnDescriptionChanged();

    cDescriptionDlg& logic_;
    QLineEdit* title_;
    QLineEdit* preparedBy_;
    QPlainTextEdit* description_;
    bool restoring_ = false;
};

}  // namespace korval
