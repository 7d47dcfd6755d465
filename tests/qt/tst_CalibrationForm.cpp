// Calibrate from History: the form shows its logic's problems, report and fitted values,
// hands each tick to the logic, and prints the report's pages with its charts. The fits
// and the rules behind the form are the logic's and are tested with it.
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "app/qt/QtText.h"
#include "app/qt/cDialogFormRegistry.h"
#include "app/qt/cQtPrintJob.h"
#include "calibration/cCalibrateDlg.h"
#include "calibration/qt/CalibrationDesktop.h"
#include "calibration/qt/cCalibrateForm.h"
#include "framework/cAppContext.h"
#include "tests/qt/support/FormTesting.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using namespace korval::testing;

class CalibrationFormTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void formShowsProblemsFitsAndTheirTicks();
    void reportPrintsWithItsCharts();
    void helpAndClose();

  private:
    std::unique_ptr<cCalibrateForm> Form(cCalibrateDlg& logic) {
        std::unique_ptr<QDialog> form = cDialogFormRegistry::Create(logic, platform_, nullptr);
        auto* typed = dynamic_cast<cCalibrateForm*>(form.get());
        if (typed == nullptr) qFatal("no calibration form");
        form.release();
        return std::unique_ptr<cCalibrateForm>(typed);
    }

    QTemporaryDir dir_;
    std::string history_;
    cTestQtPlatform platform_;
    cAppContext context_{platform_, KORVAL_DEFAULTS_PROFILE};
};

void CalibrationFormTest::initTestCase() {
    RegisterCalibrationDesktop();
    QVERIFY(dir_.isValid());
    history_ = ToStdString(dir_.filePath("history.csv"));
    std::ifstream example(KORVAL_SOURCE_DIR "/examples/history.csv", std::ios::binary);
    std::ofstream out(history_, std::ios::binary);
    out << example.rdbuf() << "Broken row,organic,Business Systems,Java,ten,1,2,3\n";
}

void CalibrationFormTest::formShowsProblemsFitsAndTheirTicks() {
    cCalibrateDlg logic(context_, history_);
    auto form = Form(logic);
    QCOMPARE(form->windowTitle(), QStringLiteral("Calibrate from History"));
    QCOMPARE(Child<QLabel>(*form, "summaryLabel")->text(), ToQString(logic.Summary()));
    auto* problems = Child<QListWidget>(*form, "problemList");
    QCOMPARE(problems->count(), 1);
    QVERIFY(problems->item(0)->text().contains(":30: ksloc: 'ten' is not a number"));
    auto* fits = Child<QListWidget>(*form, "fitList");
    QCOMPARE(fits->count(), static_cast<int>(logic.Items().size()));
    QVERIFY(fits->count() > 0);
    QVERIFY(IsEnabled(*form, "saveProfileButton"));
    for (int row = 0; row < fits->count(); ++row) fits->item(row)->setCheckState(Qt::Unchecked);
    QVERIFY(!logic.CanSaveProfile());
    QVERIFY(!IsEnabled(*form, "saveProfileButton"));
    fits->item(0)->setCheckState(Qt::Checked);
    QVERIFY(logic.Items()[0].applied);
    QVERIFY(IsEnabled(*form, "saveProfileButton"));
    form->resize(900, 760);
    form->show();
    SaveScreenshot(*form, "calibrate-from-history");
}

void CalibrationFormTest::reportPrintsWithItsCharts() {
    cCalibrateDlg logic(context_, history_);
    auto form = Form(logic);
    QString pdf = dir_.filePath("calibration.pdf");
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, pdf);
    int pages = form->PrintTo(printer);
    QVERIFY(pages >= 2);
    QCOMPARE(PdfPageCount(pdf), pages);
    // Kept beside the screenshots for a look at the printed pages.
    QString shots = qEnvironmentVariable("KORVAL_SCREENSHOT_DIR");
    if (!shots.isEmpty()) QFile::copy(pdf, shots + QStringLiteral("/calibration-report.pdf"));
    QString text = PdfText(pdf);
    for (const char* part :
         {"Calibration Report", "COCOMO Nominal Effort", "Accuracy on the History",
          "COCOMO, leave-one-out", "calibrated: estimated against actual", "Within 25 %",
          "HISTORY.CSV"}) {
        QVERIFY2(text.contains(QLatin1String(part)), part);
    }
}

void CalibrationFormTest::helpAndClose() {
    cCalibrateDlg logic(context_, history_);
    auto form = Form(logic);
    CheckHelpAndDismiss(*form, platform_, cCalibrateDlg::kHelpTopic);
}

QTEST_MAIN(CalibrationFormTest)
#include "tst_CalibrationForm.moc"
