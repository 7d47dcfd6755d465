#pragma once

#include "app/qt/cDialogForm.h"

class QButtonGroup;
class QLabel;
class QTreeWidget;

namespace korval {

class cCostDriverDlg;

// Cost Driver Attributes: the group choice, the list of attributes with their ratings
// and the rating radios of the selected attribute.
class cCostDriverForm : public cDialogForm {
    Q_OBJECT
  public:
    cCostDriverForm(cCostDriverDlg& logic, cPlatformServices& platform, QWidget* parent = nullptr);

  private:
    enum class Scroll { ToSelection, KeepTopRow };

    void OnGroupChoice(int choice);
    void OnRating(int rating);
    void Refresh(Scroll scroll);
    void ShowRows();
    int TopVisibleRow() const;

    cCostDriverDlg& logic_;
    QButtonGroup* groups_;
    QButtonGroup* ratings_;
    QTreeWidget* list_;
    QLabel* factor_ = nullptr;
    bool updating_ = false;
};

}  // namespace korval
