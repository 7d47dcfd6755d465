#pragma once

#include "app/qt/cDialogForm.h"

class QLabel;

namespace korval {

class cMissingProjectDlg;

// Missing Project File: the path that was not found, with Browse... (the default button)
// to pick a replacement.
class cMissingProjectForm : public cDialogForm {
    Q_OBJECT
  public:
    cMissingProjectForm(cMissingProjectDlg& logic, cPlatformServices& platform,
                        QWidget* parent = nullptr);

  private:
    void Refresh();

    cMissingProjectDlg& logic_;
    QLabel* first_;
    QLabel* second_;
};

}  // namespace korval
