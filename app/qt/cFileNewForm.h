#pragma once

#include "app/cFileNewDlg.h"
#include "app/qt/cDialogForm.h"

class QListWidget;

namespace korval {

// File New: the list of document kinds; double-clicking an entry chooses it.
class cFileNewForm : public cDialogForm {
    Q_OBJECT
  public:
    cFileNewForm(cFileNewDlg& logic, cPlatformServices& platform, QWidget* parent = nullptr);

    QListWidget* KindList() const { return list_; }

  private:
    QListWidget* list_;
};

}  // namespace korval
