// The desktop platform: file-dialog filters and line breaks converted at the Qt boundary,
// the settings store, prompts answered without blocking, dialogs found by their logic,
// and help topics that lead somewhere.
#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "app/qt/AppDesktop.h"
#include "app/qt/QtText.h"
#include "app/qt/cDescriptionForm.h"
#include "app/qt/cDialogFormRegistry.h"
#include "app/qt/cHelpWindow.h"
#include "app/qt/cQtPlatformServices.h"
#include "framework/cDescriptionDlg.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;

namespace {

class cUnformedDlg : public cDialogLogic {
  public:
    const char* Title() const override { return "Nobody Made A Form For Me"; }
};

// Bears the title of a dialog that has a form, and is of another class.
class cLookalikeDlg : public cDialogLogic {
  public:
    const char* Title() const override { return "Description"; }
};

// Derived from a dialog that has a form, without one of its own.
class cDerivedDescriptionDlg : public cDescriptionDlg {
  public:
    cDerivedDescriptionDlg() : cDescriptionDlg("", "", "") {}
};

// Help topic numbers the dialogs of every folder ask for, read from their headers.
QList<int> TopicsInSources() {
    QList<int> topics;
    QRegularExpression pattern(
        QStringLiteral("HelpTopic\\(\\) const override \\{ return (\\d+); \\}"));
    QDirIterator it(QStringLiteral(KORVAL_SOURCE_DIR), {"*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString path = it.next();
        if (path.contains("/build") || path.contains("/tests/")) continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        auto matches = pattern.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) topics << matches.next().captured(1).toInt();
    }
    return topics;
}

}  // namespace

class QtPlatformServicesTest : public QObject {
    Q_OBJECT

  private slots:
    // The shell's forms as the desktop's start-up registers them.
    void initTestCase() { RegisterAppDesktop(); }

    void filtersBecomeQtNameFilters_data();
    void filtersBecomeQtNameFilters();
    void lineBreaksAtTheBoundary_data();
    void lineBreaksAtTheBoundary();
    void settingsLiveInTheKorvalStore();
    void heldSettingWritesReachTheDiskOnceReleased();
    void messagesGoToTheResponder();
    void fileDialogsGoToTheirResponders();
    void runDialogFindsTheFormByTheLogicsClass();
    void runDialogWithoutAFormSaysSoAndCancels();
    void aFormIsRegisteredOnce();
    void waitCursorNests();
    void everyDialogHelpTopicHasASection();
    void helpWindowShowsTopicsAndFallsBackToContents();
    void helpOverAModalDialogIsAboveItAndTakesInput();
    void helpPagesAndTutorialAreInstalled();
};

void QtPlatformServicesTest::filtersBecomeQtNameFilters_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("save COCOMO") << "COCOMO (*.CCM)|*.CCM|All Files (*.*)|*.*|"
                                 << QStringList{"COCOMO (*.CCM)", "All Files (*)"};
    QTest::newRow("open")
        << "All Files (*.*)|*.*|Project (*.PRJ)|*.PRJ|System Level Estimation (*.SLE)|*.SLE|"
        << QStringList{"All Files (*)", "Project (*.PRJ)", "System Level Estimation (*.SLE)"};
    QTest::newRow("cut extension") << "COCOMO (*.COC)|*.COC|" << QStringList{"COCOMO (*.COC)"};
    QTest::newRow("several patterns")
        << "Models|*.CCM;*.FPM|" << QStringList{"Models (*.CCM *.FPM)"};
    QTest::newRow("no trailing bar") << "Project (*.PRJ)|*.PRJ" << QStringList{"Project (*.PRJ)"};
    QTest::newRow("pattern missing") << "Project (*.PRJ)|" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void QtPlatformServicesTest::filtersBecomeQtNameFilters() {
    QFETCH(QString, core);
    QFETCH(QStringList, qt);
    QCOMPARE(ToQtNameFilters(core.toStdString()), qt);
}

void QtPlatformServicesTest::lineBreaksAtTheBoundary_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("back");
    QTest::newRow("CR LF") << "a\r\nb"
                           << "a\nb"
                           << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\nb"
                             << "a\r\nb";
    QTest::newRow("lone LF") << "a\nb"
                             << "a\nb"
                             << "a\r\nb";
    QTest::newRow("blank lines kept") << "a\r\n\r\nb\r\n"
                                      << "a\n\nb\n"
                                      << "a\r\n\r\nb\r\n";
    QTest::newRow("UTF-8") << QString::fromUtf8("Gr\xC3\xBC\xC3\x9F\x65\r\n\xE2\x82\xAC")
                           << QString::fromUtf8("Gr\xC3\xBC\xC3\x9F\x65\n\xE2\x82\xAC")
                           << QString::fromUtf8("Gr\xC3\xBC\xC3\x9F\x65\r\n\xE2\x82\xAC");
}

void QtPlatformServicesTest::lineBreaksAtTheBoundary() {
    QFETCH(QString, core);
    QFETCH(QString, qt);
    QFETCH(QString, back);
    QCOMPARE(ToQtLineBreaks(core.toStdString()), qt);
    QCOMPARE(QString::fromStdString(ToCoreLineBreaks(qt)), back);
}

void QtPlatformServicesTest::settingsLiveInTheKorvalStore() {
    korval::testing::cTestQtPlatform::ClearSettings();
    cQtPlatformServices platform;
    QCOMPARE(platform.ReadSetting("Settings", "WindowPos", "none"), std::string("none"));
    platform.WriteSetting("Settings", "WindowPos", "0 1 -1 -1 -1 -1 1 2 3 4");
    platform.WriteSetting("Recent File List", "File1", "/tmp/a b.PRJ");
    QCOMPARE(platform.ReadSetting("Settings", "WindowPos", ""),
             std::string("0 1 -1 -1 -1 -1 1 2 3 4"));
    QSettings store(QStringLiteral("Korval"), QStringLiteral("Korval"));
    QCOMPARE(store.value("Settings/WindowPos").toString(),
             QStringLiteral("0 1 -1 -1 -1 -1 1 2 3 4"));
    QCOMPARE(store.value("Recent File List/File1").toString(), QStringLiteral("/tmp/a b.PRJ"));
    QVERIFY(store.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    korval::testing::cTestQtPlatform::ClearSettings();
}

namespace {
// The settings file as it is on disk. Read without a QSettings: constructing one writes
// what others in the process hold.
QByteArray SettingsFileBytes() {
    static const QString path =
        QSettings(QStringLiteral("Korval"), QStringLiteral("Korval")).fileName();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

void QtPlatformServicesTest::heldSettingWritesReachTheDiskOnceReleased() {
    korval::testing::cTestQtPlatform::ClearSettings();
    {
        cQtPlatformServices platform;
        platform.WriteSetting("Settings", "Before", "1");
        QByteArray before = SettingsFileBytes();
        QVERIFY(before.contains("Before=1"));
        platform.HoldSettingWrites();
        platform.HoldSettingWrites();
        platform.WriteSetting("Recent File List", "File1", "/tmp/held.PRJ");
        platform.WriteSetting("Recent File List", "File2", "");
        // Read back at once, written neither now nor at the event loop's next turn.
        QCOMPARE(platform.ReadSetting("Recent File List", "File1", ""),
                 std::string("/tmp/held.PRJ"));
        QCoreApplication::processEvents();
        QTest::qWait(10);
        QCOMPARE(SettingsFileBytes(), before);
        // The inner release leaves them held; the outer one writes them.
        platform.ReleaseSettingWrites();
        QCOMPARE(SettingsFileBytes(), before);
        platform.ReleaseSettingWrites();
        QVERIFY(SettingsFileBytes().contains("File1=/tmp/held.PRJ"));
        // Released again: writes go straight to the disk as before; an extra release is harmless.
        platform.ReleaseSettingWrites();
        platform.WriteSetting("Settings", "After", "2");
        QVERIFY(SettingsFileBytes().contains("After=2"));
        // Held when the platform goes: written then, not lost.
        platform.HoldSettingWrites();
        platform.WriteSetting("Settings", "AtExit", "3");
    }
    QVERIFY(SettingsFileBytes().contains("AtExit=3"));
    korval::testing::cTestQtPlatform::ClearSettings();
}

void QtPlatformServicesTest::messagesGoToTheResponder() {
    cQtPlatformServices platform;
    std::vector<std::pair<std::string, MessageButtons>> asked;
    platform.SetMessageResponder([&](const std::string& text, MessageButtons buttons) {
        asked.emplace_back(text, buttons);
        return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Yes;
    });
    QCOMPARE(platform.ShowMessage("Save changes to X?", MessageButtons::YesNoCancel),
             MessageAnswer::Cancel);
    QCOMPARE(platform.ShowMessage("Continue?", MessageButtons::YesNo), MessageAnswer::Yes);
    QCOMPARE(asked.size(), std::size_t(2));
    QCOMPARE(asked[0].first, std::string("Save changes to X?"));
    QVERIFY(asked[1].second == MessageButtons::YesNo);
}

void QtPlatformServicesTest::fileDialogsGoToTheirResponders() {
    cQtPlatformServices platform;
    QStringList openFilters;
    QStringList saveFilters;
    platform.SetOpenFileResponder([&](const std::string& initial, const QStringList& filters) {
        openFilters = filters;
        return initial + ".chosen";
    });
    platform.SetSaveFileResponder([&](const std::string&, const QStringList& filters) {
        saveFilters = filters;
        return std::string();
    });
    QCOMPARE(platform.PromptOpenFileName("*.*", "All Files (*.*)|*.*|"), std::string("*.*.chosen"));
    QCOMPARE(platform.PromptOpenFileNameTitled("Insert Files into System", "*.PRJ",
                                               "Project (*.PRJ)|*.PRJ|", "PRJ"),
             std::string("*.PRJ.chosen"));
    QCOMPARE(openFilters, QStringList{"Project (*.PRJ)"});
    QCOMPARE(platform.PromptSaveFileName("", "Rayleigh (*.RLM)|*.RLM|", "RLM"), std::string());
    QCOMPARE(saveFilters, QStringList{"Rayleigh (*.RLM)"});
}

void QtPlatformServicesTest::runDialogFindsTheFormByTheLogicsClass() {
    korval::testing::cTestQtPlatform platform;
    cDescriptionDlg logic("old", "", "");
    bool sawForm = false;
    platform.SetDialogResponder([&](QDialog& form, cDialogLogic& dialog) {
        sawForm = dynamic_cast<cDescriptionForm*>(&form) != nullptr && &dialog == &logic;
        auto& description = static_cast<cDescriptionForm&>(form);
        description.TitleEdit()->clear();
        QTest::keyClicks(description.TitleEdit(), "new");
        return true;
    });
    QVERIFY(platform.RunDialog(logic));
    QVERIFY(sawForm);
    QCOMPARE(logic.GetTitleText(), std::string("new"));
    QVERIFY(platform.Messages().empty());
}

void QtPlatformServicesTest::runDialogWithoutAFormSaysSoAndCancels() {
    korval::testing::cTestQtPlatform platform;
    platform.AcceptInformation();
    cUnformedDlg logic;
    QVERIFY(!platform.RunDialog(logic));
    QCOMPARE(platform.Messages(),
             std::vector<std::string>{
                 "The \"Nobody Made A Form For Me\" dialog is not available in this version."});
}

void QtPlatformServicesTest::aFormIsRegisteredOnce() {
    QVERIFY(cDialogFormRegistry::Has<cDescriptionDlg>());
    bool again = cDialogFormRegistry::RegisterForm<cDescriptionForm, cDescriptionDlg>();
    QVERIFY(!again);
    // The logic's own class finds the form: neither a title nor a base class does.
    korval::testing::cTestQtPlatform platform;
    cLookalikeDlg lookalike;
    cDerivedDescriptionDlg derived;
    QVERIFY(!cDialogFormRegistry::Has<cLookalikeDlg>());
    QVERIFY(cDialogFormRegistry::Create(lookalike, platform, nullptr) == nullptr);
    QVERIFY(cDialogFormRegistry::Create(derived, platform, nullptr) == nullptr);
}

void QtPlatformServicesTest::waitCursorNests() {
    cQtPlatformServices platform;
    platform.BeginWaitCursor();
    platform.BeginWaitCursor();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.EndWaitCursor();
    QVERIFY(QApplication::overrideCursor() != nullptr);
    platform.EndWaitCursor();
    QVERIFY(QApplication::overrideCursor() == nullptr);
    platform.EndWaitCursor();  // one too many changes nothing
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void QtPlatformServicesTest::everyDialogHelpTopicHasASection() {
    QList<int> topics = TopicsInSources();
    for (int topic : {34, 35, 38, 39, 41, 44, 45, 46, 47, 136, 228, 229, 230, 236, 246, 247, 248})
        QVERIFY(topics.contains(topic));
    cHelpWindow help(cHelpWindow::DefaultHelpFolder());
    for (int topic : topics) QVERIFY2(help.HasTopic(topic), qPrintable(QString::number(topic)));
    QVERIFY(!help.HasTopic(9999));
}

// Help asked for inside a modal dialog opens above it and can be used while the dialog
// waits: a click reaches it through the windowing system, as a user's does.
void QtPlatformServicesTest::helpOverAModalDialogIsAboveItAndTakesInput() {
    cQtPlatformServices platform;
    QDialog dialog;
    dialog.resize(200, 100);
    bool checked = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto close = qScopeGuard([&] { dialog.accept(); });  // even when a check fails
        QVERIFY(QApplication::activeModalWidget() == &dialog);
        platform.ShowHelpTopic(41);
        cHelpWindow& help = platform.HelpWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.windowHandle()->transientParent(), dialog.windowHandle());
        QCOMPARE(help.CurrentPage(), QStringLiteral("reference.html#topic-41"));
        QPushButton* contents = nullptr;
        for (QPushButton* button : help.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("&Contents")) contents = button;
        }
        QVERIFY(contents != nullptr);
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(&help, contents->rect().center()));
        QTRY_COMPARE(help.CurrentPage(), QStringLiteral("index.html"));
        checked = true;
    });
    dialog.exec();
    QVERIFY(checked);
    // Once the dialog is gone the help window stands alone and stays open.
    QVERIFY(platform.HelpWindow().isVisible());
    platform.CloseHelp();
}

void QtPlatformServicesTest::helpWindowShowsTopicsAndFallsBackToContents() {
    cHelpWindow help(cHelpWindow::DefaultHelpFolder());
    help.ShowTopic(41);
    QCOMPARE(help.CurrentPage(), QStringLiteral("reference.html#topic-41"));
    QVERIFY(help.Browser().toPlainText().contains("Display Options"));
    help.show();
    korval::testing::SaveScreenshot(help, "help-topic-41");
    help.ShowTopic(9999);
    QCOMPARE(help.CurrentPage(), QStringLiteral("index.html"));
    help.ShowPage(cHelpWindow::kHowToUsePage);
    QVERIFY(help.Browser().toPlainText().contains("How to use help"));
    help.ShowPage("no-such-page.html");
    QVERIFY(help.Browser().toPlainText().contains("Help page not found"));
}

void QtPlatformServicesTest::helpPagesAndTutorialAreInstalled() {
    QVERIFY(QFile::exists(cHelpWindow::TutorialPath()));
    for (const char* page : {"index.html", "reference.html", "howto.html"}) {
        QVERIFY2(QFile::exists(QDir(cHelpWindow::DefaultHelpFolder()).filePath(page)), page);
    }
    // Links between the pages lead to pages that exist.
    QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
    for (const QString& page : {cHelpWindow::TutorialPath(),
                                QDir(cHelpWindow::DefaultHelpFolder()).filePath("index.html")}) {
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        auto matches = link.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            QString target = QFileInfo(page).dir().filePath(matches.next().captured(1));
            QVERIFY2(QFile::exists(target), qPrintable(target));
        }
    }
}

QTEST_MAIN(QtPlatformServicesTest)
#include "tst_QtPlatformServices.moc"
