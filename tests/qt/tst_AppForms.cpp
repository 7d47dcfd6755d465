// The forms of the shell's dialogs: each shows its logic's state, hands every change to
// the logic, and OK, Cancel and Help do what the buttons say.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/cAboutDlg.h"
#include "app/cFileNewDlg.h"
#include "app/cToolbarConfigDlg.h"
#include "app/qt/AppDesktop.h"
#include "app/qt/cAboutForm.h"
#include "app/qt/cCostForm.h"
#include "app/qt/cDescriptionForm.h"
#include "app/qt/cDialogFormRegistry.h"
#include "app/qt/cDisplayOptionsForm.h"
#include "app/qt/cFileNewForm.h"
#include "app/qt/cToolbarConfigForm.h"
#include "app/qt/cUncertaintyForm.h"
#include "desktop/cEstimatorApp.h"
#include "framework/cCostDlg.h"
#include "framework/cDescriptionDlg.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cUncertaintyDlg.h"
#include "tests/qt/support/FormTesting.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using korval::testing::cTestQtPlatform;

class AppFormsTest : public QObject {
    Q_OBJECT

  private slots:
    // The shell's forms as the desktop's start-up registers them.
    void initTestCase() { RegisterAppDesktop(); }

    void dialogsAreLightGreyWithBlackText();
    void dialogsKeepADarkThemesColours();
    void everyShellDialogHasItsOwnForm();

    void descriptionShowsTheTextsWithQtLineBreaks();
    void descriptionHandsEditsToTheLogicWithCrLf();
    void descriptionRefusesTypingBeyondALimit_data();
    void descriptionRefusesTypingBeyondALimit();
    void descriptionButtons();
    void descriptionTabOrder();

    void displayOptionsMirrorsTheSwitches();
    void displayOptionsTogglesReachTheLogic();

    void toolbarConfigurationMirrorsTheBars();
    void fileNewListsTheFiveKinds();
    void aboutShowsNameVersionAndCopyright();
    void costShowsTheRateAndRefusesANegativeOne();
    void uncertaintyShowsItsRowsAndHandsEditsBack();
    void uncertaintyRatingRangesOfferTheRatingsAndFocusARefusedEnd();
};

void AppFormsTest::dialogsAreLightGreyWithBlackText() {
    cEstimatorApp::ApplyDialogColours();
    cTestQtPlatform platform;
    cDescriptionDlg logic("", "", "");
    cDescriptionForm form(logic, platform);
    form.ensurePolished();  // as when it is shown
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(form.palette().color(QPalette::WindowText), QColor(Qt::black));
    // Only dialogs: other windows keep the platform's colours.
    QWidget plain;
    QVERIFY(plain.palette().color(QPalette::Window) != QColor(192, 192, 192));
}

// A dark theme's dialogs keep the theme's colours: no grey ground under its light text.
void AppFormsTest::dialogsKeepADarkThemesColours() {
    QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
    QApplication::setPalette(dark);
    QApplication::setPalette(dark, "QDialog");
    cEstimatorApp::ApplyDialogColours();
    cTestQtPlatform platform;
    cDescriptionDlg logic("", "", "");
    cDescriptionForm form(logic, platform);
    form.ensurePolished();
    QCOMPARE(form.palette().color(QPalette::Window), QColor(0x30, 0x30, 0x30));
    QCOMPARE(form.palette().color(QPalette::WindowText), QColor(0xe0, 0xe0, 0xe0));
    QApplication::setPalette(saved);
    QApplication::setPalette(saved, "QDialog");
}

// The registry hands each dialog's logic the form made for its class.
template <class Form, class Logic>
bool FormFor(Logic& logic, cPlatformServices& platform) {
    std::unique_ptr<QDialog> form = cDialogFormRegistry::Create(logic, platform, nullptr);
    return dynamic_cast<Form*>(form.get()) != nullptr;
}

void AppFormsTest::everyShellDialogHasItsOwnForm() {
    cTestQtPlatform platform;
    cDescriptionDlg description("", "", "");
    cDisplayOptionsDlg displayOptions;
    cToolbarConfigDlg toolbars;
    cFileNewDlg fileNew;
    cAboutDlg about("Version 4.1", "Copyright (C) Someone");
    QVERIFY(FormFor<cDescriptionForm>(description, platform));
    QVERIFY(FormFor<cDisplayOptionsForm>(displayOptions, platform));
    QVERIFY(FormFor<cToolbarConfigForm>(toolbars, platform));
    QVERIFY(FormFor<cFileNewForm>(fileNew, platform));
    QVERIFY(FormFor<cAboutForm>(about, platform));
    cCostDlg cost("COCOMO Cost", "", CostRate{}, platform);
    QVERIFY(FormFor<cCostForm>(cost, platform));
}

void AppFormsTest::descriptionShowsTheTextsWithQtLineBreaks() {
    cTestQtPlatform platform;
    cDescriptionDlg logic("Payroll", "A. Analyst", "Line one\r\nLine two");
    cDescriptionForm form(logic, platform);
    QCOMPARE(form.windowTitle(), QStringLiteral("Description"));
    QCOMPARE(form.TitleEdit()->text(), QStringLiteral("Payroll"));
    QCOMPARE(form.PreparedByEdit()->text(), QStringLiteral("A. Analyst"));
    QCOMPARE(form.DescriptionEdit()->toPlainText(), QStringLiteral("Line one\nLine two"));
    QVERIFY(form.findChild<QLabel*>() != nullptr);
    bool limitLabel = false;
    for (QLabel* label : form.findChildren<QLabel*>())
        limitLabel |= label->text() == "(500 chars.)";
    QVERIFY(limitLabel);
    korval::testing::SaveScreenshot(form, "description");
}

void AppFormsTest::descriptionHandsEditsToTheLogicWithCrLf() {
    cTestQtPlatform platform;
    cDescriptionDlg logic("", "", "");
    cDescriptionForm form(logic, platform);
    QTest::keyClicks(form.TitleEdit(), "Billing");
    QTest::keyClicks(form.PreparedByEdit(), "Estimator");
    form.DescriptionEdit()->setFocus();
    QTest::keyClicks(form.DescriptionEdit(), "First");
    QTest::keyClick(form.DescriptionEdit(), Qt::Key_Return);
    QTest::keyClicks(form.DescriptionEdit(), "Second");
    QCOMPARE(logic.GetTitleText(), std::string("Billing"));
    QCOMPARE(logic.GetPreparedByText(), std::string("Estimator"));
    QCOMPARE(logic.GetDescriptionText(), std::string("First\r\nSecond"));
    QCOMPARE(platform.Beeps(), 0);
}

void AppFormsTest::descriptionRefusesTypingBeyondALimit_data() {
    QTest::addColumn<int>("field");  // 0 title, 1 prepared by, 2 description
    QTest::addColumn<int>("limit");
    QTest::newRow("title") << 0 << 50;
    QTest::newRow("prepared by") << 1 << 50;
    QTest::newRow("description") << 2 << 500;
}

void AppFormsTest::descriptionRefusesTypingBeyondALimit() {
    QFETCH(int, field);
    QFETCH(int, limit);
    cTestQtPlatform platform;
    std::string full(static_cast<std::size_t>(limit), 'x');
    cDescriptionDlg logic(field == 0 ? full : "", field == 1 ? full : "", field == 2 ? full : "");
    cDescriptionForm form(logic, platform);
    QWidget* edit = field == 0   ? static_cast<QWidget*>(form.TitleEdit())
                    : field == 1 ? static_cast<QWidget*>(form.PreparedByEdit())
                                 : static_cast<QWidget*>(form.DescriptionEdit());
    form.show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(edit, "yz");
    QCOMPARE(platform.Beeps(), 2);
    const std::string& kept = field == 0   ? logic.GetTitleText()
                              : field == 1 ? logic.GetPreparedByText()
                                           : logic.GetDescriptionText();
    QCOMPARE(kept, full);
    QString shown =
        field == 2 ? form.DescriptionEdit()->toPlainText() : static_cast<QLineEdit*>(edit)->text();
    QCOMPARE(shown, QString::fromStdString(full));
    // Room made again is usable: delete one character, type one.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, "q");
    QCOMPARE(platform.Beeps(), 2);
    QCOMPARE(field == 0   ? logic.GetTitleText()
             : field == 1 ? logic.GetPreparedByText()
                          : logic.GetDescriptionText(),
             full.substr(0, full.size() - 1) + "q");
}

void AppFormsTest::descriptionButtons() {
    cTestQtPlatform platform;
    cDescriptionDlg logic("a", "b", "c");
    cDescriptionForm form(logic, platform);
    QVERIFY(form.OkButton() && form.CancelButton() && form.HelpButton());
    QVERIFY(form.OkButton()->isDefault());
    QCOMPARE(form.HelpButton()->text(), QStringLiteral("&Help"));
    QTest::mouseClick(form.HelpButton(), Qt::LeftButton);
    QCOMPARE(platform.HelpTopics(), std::vector<int>{136});
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(platform.HelpTopics(), (std::vector<int>{136, 136}));
    QVERIFY(form.isVisible() || form.result() == 0);

    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    cDescriptionForm cancelled(logic, platform);
    QTest::mouseClick(cancelled.CancelButton(), Qt::LeftButton);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
}

void AppFormsTest::descriptionTabOrder() {
    cTestQtPlatform platform;
    cDescriptionDlg logic("", "", "");
    cDescriptionForm form(logic, platform);
    QCOMPARE(form.TitleEdit()->nextInFocusChain(), static_cast<QWidget*>(form.PreparedByEdit()));
    QCOMPARE(form.PreparedByEdit()->nextInFocusChain(),
             static_cast<QWidget*>(form.DescriptionEdit()));
    QVERIFY(form.DescriptionEdit()->tabChangesFocus());
}

void AppFormsTest::displayOptionsMirrorsTheSwitches() {
    cTestQtPlatform platform;
    cDisplayOptionsDlg logic;
    logic.SetValue(cDisplayOptionsDlg::kDescriptionBox, FilterState::On);
    logic.SetValue(cDisplayOptionsDlg::kModelDescriptionsBox, FilterState::NotApplicable);
    logic.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, FilterState::NotApplicable);
    logic.SetValue(cDisplayOptionsDlg::kIntermediateTotalsBox, FilterState::Off);
    logic.SetValue(cDisplayOptionsDlg::kTotalsBox, FilterState::On);
    logic.SetValue(cDisplayOptionsDlg::kSensitivityBox, FilterState::Off);
    cDisplayOptionsForm form(logic, platform);
    form.show();
    for (int i = 0; i < cDisplayOptionsDlg::kBoxCount; ++i) {
        auto box = static_cast<cDisplayOptionsDlg::Box>(i);
        QCOMPARE(form.Box(box)->text(), QString::fromLatin1(cDisplayOptionsDlg::Label(box)));
        QCOMPARE(form.Box(box)->isVisible(), logic.IsVisible(box));
        QCOMPARE(form.Box(box)->isChecked(), logic.IsChecked(box));
    }
    QCOMPARE(form.windowTitle(), QStringLiteral("Display Options"));
    QTest::mouseClick(form.HelpButton(), Qt::LeftButton);
    QCOMPARE(platform.HelpTopics(), std::vector<int>{41});
    korval::testing::SaveScreenshot(form, "display-options");
}

void AppFormsTest::displayOptionsTogglesReachTheLogic() {
    cTestQtPlatform platform;
    cDisplayOptionsDlg logic;
    for (int i = 0; i < cDisplayOptionsDlg::kBoxCount; ++i) {
        logic.SetValue(static_cast<cDisplayOptionsDlg::Box>(i), FilterState::Off);
    }
    cDisplayOptionsForm form(logic, platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Box(cDisplayOptionsDlg::kTotalsBox), Qt::LeftButton, {}, QPoint(6, 6));
    form.Box(cDisplayOptionsDlg::kSensitivityBox)->setChecked(true);
    QCOMPARE(logic.Result(cDisplayOptionsDlg::kTotalsBox), FilterState::On);
    QCOMPARE(logic.Result(cDisplayOptionsDlg::kSensitivityBox), FilterState::On);
    QCOMPARE(logic.Result(cDisplayOptionsDlg::kDescriptionBox), FilterState::Off);
    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void AppFormsTest::toolbarConfigurationMirrorsTheBars() {
    cTestQtPlatform platform;
    cToolbarConfigDlg logic;
    logic.SetChecked(cToolbarConfigDlg::kFileBar, true);
    logic.SetChecked(cToolbarConfigDlg::kRayleighBar, true);
    cToolbarConfigForm form(logic, platform);
    const char* labels[] = {"&File",           "&Import/Export", "&System",  "&Project",
                            "&Function Point", "&COCOMO",        "&Rayleigh"};
    for (int i = 0; i < cToolbarConfigDlg::kBarCount; ++i) {
        auto bar = static_cast<cToolbarConfigDlg::Bar>(i);
        QCOMPARE(form.Box(bar)->text(), QString::fromLatin1(labels[i]));
        QCOMPARE(form.Box(bar)->isChecked(),
                 bar == cToolbarConfigDlg::kFileBar || bar == cToolbarConfigDlg::kRayleighBar);
    }
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Box(cToolbarConfigDlg::kFileBar), Qt::LeftButton, {}, QPoint(6, 6));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // Help and F1 open its section, as in every dialog.
    QVERIFY(form.HelpButton() != nullptr);
    QTest::mouseClick(form.HelpButton(), Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(platform.HelpTopics(), (std::vector<int>{45, 45}));
    QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);  // the "&COCOMO" mnemonic
    QVERIFY(!logic.IsChecked(cToolbarConfigDlg::kFileBar));
    QTRY_VERIFY(logic.IsChecked(cToolbarConfigDlg::kCocomoBar));
    korval::testing::SaveScreenshot(form, "toolbar-configuration");
}

void AppFormsTest::fileNewListsTheFiveKinds() {
    cTestQtPlatform platform;
    cFileNewDlg logic;
    cFileNewForm form(logic, platform);
    QStringList entries;
    for (int i = 0; i < form.KindList()->count(); ++i) entries << form.KindList()->item(i)->text();
    QCOMPARE(entries, (QStringList{"Project", "Function Point Model", "COCOMO Model",
                                   "Rayleigh Model", "System"}));
    QCOMPARE(form.KindList()->currentRow(), 0);
    form.KindList()->setCurrentRow(2);
    QCOMPARE(logic.SelectedKind(), DocumentKind::Cocomo);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QPoint rayleigh = form.KindList()->visualItemRect(form.KindList()->item(3)).center();
    QTest::mouseClick(form.KindList()->viewport(), Qt::LeftButton, {}, rayleigh);
    QTest::mouseDClick(form.KindList()->viewport(), Qt::LeftButton, {}, rayleigh);
    QCOMPARE(logic.SelectedKind(), DocumentKind::Rayleigh);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    korval::testing::SaveScreenshot(form, "file-new");
}

void AppFormsTest::aboutShowsNameVersionAndCopyright() {
    cTestQtPlatform platform;
    cAboutDlg logic("Version 4.1", "Copyright (C) Someone");
    cAboutForm form(logic, platform);
    QCOMPARE(form.windowTitle(), QStringLiteral("About KORVAL"));
    QCOMPARE(form.findChild<QLabel*>("productName")->text(), QStringLiteral("Korval"));
    QCOMPARE(form.findChild<QLabel*>("versionText")->text(), QStringLiteral("Version 4.1"));
    QCOMPARE(form.findChild<QLabel*>("copyrightText")->text(),
             QStringLiteral("Copyright (C) Someone"));
    QVERIFY(form.OkButton() && !form.CancelButton());
    korval::testing::SaveScreenshot(form, "about");
}

void AppFormsTest::costShowsTheRateAndRefusesANegativeOne() {
    using namespace korval::testing;
    cTestQtPlatform platform;
    platform.AcceptInformation();
    cCostDlg logic("System Cost", "The rate prices every member.", CostRate{11000, "EUR"},
                   platform);
    cCostForm form(logic, platform);
    QCOMPARE(form.windowTitle(), QStringLiteral("System Cost"));
    QCOMPARE(Text(form, "rateEdit"), QStringLiteral("11000"));
    QCOMPARE(Text(form, "currencyEdit"), QStringLiteral("EUR"));
    QCOMPARE(Child<QLabel>(form, "noteLabel")->text(),
             QStringLiteral("The rate prices every member."));
    korval::testing::SaveScreenshot(form, "cost");

    Retype(Child<QLineEdit>(form, "rateEdit"), "-5");
    Click(form, "okButton");
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(platform.Messages().back(),
             std::string("Please enter a number between 0 and 999999999."));

    Retype(Child<QLineEdit>(form, "rateEdit"), "12500.5");
    Retype(Child<QLineEdit>(form, "currencyEdit"), "CHF");
    Click(form, "okButton");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(logic.Result(), (CostRate{12500.5, "CHF"}));
    CheckHelpAndDismiss(form, platform, cCostDlg::kHelpTopic);
}

void AppFormsTest::uncertaintyShowsItsRowsAndHandsEditsBack() {
    cTestQtPlatform platform;
    cUncertaintyDlg logic(platform, "COCOMO Uncertainty", SimulationSettings{});
    logic.AddThreePoint("Source lines of code", ThreePointEstimate{100, 200, 400});
    logic.AddNumber("Model error spread", std::nullopt, 0, 2);
    logic.AddSwitch("Productivity index varies", false);
    cUncertaintyForm form(logic, platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("COCOMO Uncertainty"));
    QCOMPARE(form.findChild<QLineEdit*>("threePointEdit0_1")->text(), QStringLiteral("200"));
    QCOMPARE(form.findChild<QLineEdit*>("runEdit0")->text(), QStringLiteral("10000"));
    QVERIFY(!form.findChild<QLineEdit*>("runEdit4"));  // no cost target unless offered
    QVERIFY(!form.findChild<QTabWidget*>("uncertaintyTabs"));

    auto* pessimistic = form.findChild<QLineEdit*>("threePointEdit0_2");
    pessimistic->selectAll();
    QTest::keyClicks(pessimistic, "500");
    QTest::keyClicks(form.findChild<QLineEdit*>("numberEdit0"), "0.5");
    form.findChild<QCheckBox*>("switchBox0")->setChecked(true);
    QTest::mouseClick(form.findChild<QRadioButton*>("pertRadio"), Qt::LeftButton);
    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(logic.GetThreePoint(0), (ThreePointEstimate{100, 200, 500}));
    QCOMPARE(logic.GetNumber(0), std::optional<double>(0.5));
    QVERIFY(logic.GetSwitch(0));
    QCOMPARE(logic.GetRun().shape, ThreePointShape::Pert);
    korval::testing::SaveScreenshot(form, "uncertainty");
}

void AppFormsTest::uncertaintyRatingRangesOfferTheRatingsAndFocusARefusedEnd() {
    cTestQtPlatform platform;
    cUncertaintyDlg logic(platform, "COCOMO Uncertainty", SimulationSettings{});
    logic.AddRatingRange("RELY Required Software Reliability", "Nominal",
                         {"Very Low", "Low", "Nominal", "High", "Very High", "Extra High"},
                         {true, true, true, true, true, false}, std::nullopt);
    logic.OfferCostTarget("EUR");
    cUncertaintyForm form(logic, platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* costTarget = form.findChild<QLineEdit*>("runEdit4");
    QVERIFY(costTarget && costTarget->isVisible());
    QTest::keyClicks(costTarget, "900000");
    auto* tabs = form.findChild<QTabWidget*>("uncertaintyTabs");
    QVERIFY(tabs);
    tabs->setCurrentIndex(1);
    auto* lowest = form.findChild<QComboBox*>("lowestRating0");
    auto* highest = form.findChild<QComboBox*>("highestRating0");
    QVERIFY(lowest && highest);
    QCOMPARE(lowest->count(), 6);  // none and the five ratings the driver has
    QCOMPARE(lowest->currentText(), QString());
    QCOMPARE(lowest->itemText(5), QStringLiteral("Very High"));

    lowest->setFocus();
    QTest::keyClick(lowest, Qt::Key_Down);
    QTest::keyClick(lowest, Qt::Key_Down);
    QCOMPARE(lowest->currentText(), QStringLiteral("Low"));
    tabs->setCurrentIndex(0);  // the refusal brings the drivers' tab back
    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(platform.Messages().back(),
             std::string("RELY Required Software Reliability: choose both the lowest and the "
                         "highest rating, or neither."));
    QCOMPARE(QApplication::focusWidget(), highest);

    highest->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(highest, Qt::Key_Down);
    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(logic.GetRatingRange(0), std::optional<RatingRange>(RatingRange{1, 3}));
    QCOMPARE(logic.GetRun().targetCost, std::optional<double>(900000));
    korval::testing::SaveScreenshot(form, "uncertainty-ratings");
}

QTEST_MAIN(AppFormsTest)
#include "tst_AppForms.moc"
