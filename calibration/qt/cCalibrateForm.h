#pragma once

#include "app/qt/cDialogForm.h"

class QLabel;
class QListWidget;
class QPushButton;
class QPrinter;

namespace korval {

class cCalibrateDlg;
class cCalibrationReportView;

// Calibrate from History: the summary, the rows that could not be used, the report on
// screen with Print and Save PDF, the fitted values with their ticks and Save Profile.
class cCalibrateForm : public cDialogForm {
    Q_OBJECT
  public:
    cCalibrateForm(cCalibrateDlg& logic, cPlatformServices& platform, QWidget* parent);

    QListWidget* Problems() const { return problems_; }
    QListWidget* Items() const { return items_; }
    QPushButton* SaveProfileButton() const { return saveProfile_; }
    cCalibrationReportView* ReportView() const { return report_; }

    // The report's printed pages on the printer; the number of pages printed.
    int PrintTo(QPrinter& printer);

  private:
    void Refresh();
    void OnPrint();
    void OnSavePdf();

    cCalibrateDlg& logic_;
    QLabel* summary_;
    QListWidget* problems_;
    cCalibrationReportView* report_;
    QListWidget* items_;
    QPushButton* saveProfile_;
};

}  // namespace korval
