#pragma once

#include "app/cAboutDlg.h"
#include "app/qt/cDialogForm.h"

namespace korval {

// About KORVAL: the program's icon, name, version and copyright, and an OK button.
class cAboutForm : public cDialogForm {
    Q_OBJECT
  public:
    cAboutForm(cAboutDlg& logic, cPlatformServices& platform, QWidget* parent = nullptr);
};

}  // namespace korval
