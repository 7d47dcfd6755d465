#pragma once

#include "app/qt/cDialogForm.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace korval {

class cSystemProjectsDlg;

// System Level Estimation Projects: the member list (missing files in inverse colours),
// the selected member's description, and Add and Delete.
class cSystemProjectsForm : public cDialogForm {
    Q_OBJECT
  public:
    cSystemProjectsForm(cSystemProjectsDlg& logic, cPlatformServices& platform,
                        QWidget* parent = nullptr);

  private:
    void Refresh();

    cSystemProjectsDlg& logic_;
    QListWidget* list_;
    QLabel* title_;
    QLabel* preparedBy_;
    QLabel* description_;
    QLineEdit* startTime_;
    bool updating_ = false;
};

}  // namespace korval
