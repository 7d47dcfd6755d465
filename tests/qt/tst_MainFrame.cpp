// The main window: menus of the active kind, the seven toolbars, the status bar, the
// commands of the File and Window menus, and what it keeps between runs.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "app/cToolbarConfigDlg.h"
#include "app/qt/AppCommands.h"
#include "app/qt/CommandIcons.h"
#include "app/qt/cDescriptionForm.h"
#include "app/qt/cDocumentCommands.h"
#include "app/qt/cFileNewForm.h"
#include "app/qt/cToolbarConfigForm.h"
#include "desktop/cChildFrame.h"
#include "desktop/cCommandTable.h"
#include "desktop/cReportView.h"
#include "framework/ProfileAccess.h"
#include "framework/cModelDoc.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cFrameFixture.h"

using namespace korval;
using namespace korval::commands;
using korval::testing::cFrameFixture;

namespace {

QString SettingText(const QString& key) {
    return QSettings(QStringLiteral("Korval"), QStringLiteral("Korval")).value(key).toString();
}

void WriteSettingText(const QString& key, const QString& value) {
    QSettings settings(QStringLiteral("Korval"), QStringLiteral("Korval"));
    settings.setValue(key, value);
}

cFrameFixture::DialogScript ChooseKind(int row) {
    return [row](QDialog& form) {
        static_cast<cFileNewForm&>(form).KindList()->setCurrentRow(row);
        return true;
    };
}

// Saves a new document of the kind under the path, through the document's own Save As.
std::string SaveNewDocument(cFrameFixture& f, DocumentKind kind, const QString& path) {
    std::unique_ptr<cModelDoc> document = f.logic.NewDocument(kind);
    // A file that could not be written gives no path to open.
    return document->SaveAs(path.toStdString()) ? path.toStdString() : std::string();
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void menuWithNoDocument();
    void menusFollowTheActiveKind_data();
    void menusFollowTheActiveKind();
    void sevenToolbarsWithCaptionsAndButtons();
    void toolbarIconsAnswerAsIfEverySizeWereDrawn();
    void commandsEnabledOnlyWhereTheKindHandlesThem();
    void fileNewMakesEachKind_data();
    void fileNewMakesEachKind();
    void cancelledDescriptionLeavesANewDocumentUnchanged();
    void descriptionCommandEditsAndRedraws();
    void closingAModifiedDocumentAsks_data();
    void closingAModifiedDocumentAsks();
    void exitAsksEveryDocumentAndCancelKeepsThemAll();
    void saveAsUsesTheKindsFilterAndUpdatesTitleAndRecentFiles();
    void openUsesAllKindsFilterAndOpensByKind();
    void recentFilesKeepFourNewestFirst();
    void missingRecentFileIsReportedAndKept();
    void statusBarShowsReadyAndPrompts();
    void toolTipsSettingOffSilencesToolbars();
    void toolbarConfigurationShowsAndHidesBars();
    void windowPlacementSurvivesARestart();
    void maximisedWindowComesBackMaximised();
    void damagedPlacementIsIgnored();
    void toolbarLayoutSurvivesARestart();
    void windowMenuArrangesChildren();
    void aboutBoxShowsVersion();
    void helpCommandsOpenTheirPages();
    void resetDefaultsProfileRemovesTheUsersCopy();
};

void MainFrameTest::menuWithNoDocument() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QCOMPARE(f.MenuTitles(), (QStringList{"&File", "&View", "&Options", "&Help"}));
    QCOMPARE(f.MenuEntries("&File"), (QStringList{"&New", "&Open...", "-", "P&rint Setup...", "-",
                                                  "Recent File", "-", "E&xit"}));
    QCOMPARE(f.MenuEntries("&Options"),
             (QStringList{"&Display...", "&Languages...", "-", "&Reset Defaults Profile..."}));
    QVERIFY(!f.frame->Action(kOptionsDisplay)->isEnabled());
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Korval"));
    korval::testing::SaveScreenshot(*f.frame, "main-empty");
}

void MainFrameTest::menusFollowTheActiveKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("languages");
    QTest::newRow("project") << 0 << QStringList{"&File",          "&View",   "&Project",
                                                 "F&unctionPoint", "&COCOMO", "&Rayleigh",
                                                 "&Options",       "&Window", "&Help"}
                             << true;
    QTest::newRow("function point")
        << 1 << QStringList{"&File", "&View", "F&unctionPoint", "&Options", "&Window", "&Help"}
        << true;
    QTest::newRow("cocomo") << 2 << QStringList{"&File",    "&View",   "&COCOMO",
                                                "&Options", "&Window", "&Help"}
                            << false;
    QTest::newRow("rayleigh") << 3 << QStringList{"&File",    "&View",   "&Rayleigh",
                                                  "&Options", "&Window", "&Help"}
                              << false;
    QTest::newRow("system") << 4 << QStringList{"&File",    "&View",   "&System",
                                                "&Options", "&Window", "&Help"}
                            << false;
}

void MainFrameTest::menusFollowTheActiveKind() {
    QFETCH(int, kind);
    QFETCH(QStringList, titles);
    QFETCH(bool, languages);
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.frame->NewDocument(static_cast<DocumentKind>(kind));
    QCOMPARE(f.MenuTitles(), titles);
    QCOMPARE(f.MenuEntries("&Options").contains("&Languages..."), languages);
    QCOMPARE(f.MenuEntries("&File"),
             (QStringList{"&New", "&Open...", "&Close", "&Save", "Save &As...", "-", "&Print...",
                          "Print Pre&view", "P&rint Setup...", "-", "Recent File", "-", "E&xit"}));
    QCOMPARE(f.MenuEntries("&Window"), (QStringList{"&Cascade", "&Tile", "&Arrange Icons"}));
    QCOMPARE(f.MenuEntries("&Help"),
             (QStringList{"&Contents", "&Tutorial", "&How to Use Help", "-", "&About Korval..."}));
    if (kind == 2) {
        QCOMPARE(f.MenuEntries("&COCOMO"),
                 (QStringList{"&Attributes...", "&Cost Drivers...", "&Description...", "-",
                              "&Sensitivity Analysis...", "&Reverse Engineering...",
                              "&Uncertainty...", "-", "C&ost...", "-", "&Initialize"}));
    }
    // Closing the last document brings the short menu back.
    f.frame->ActiveChild()->close();
    QCOMPARE(f.MenuTitles(), (QStringList{"&File", "&View", "&Options", "&Help"}));
}

// Toolbar icons draw each size when it is first asked for; whatever is asked, in any mode,
// the answer is the one an icon holding all five drawn sizes gives.
void MainFrameTest::toolbarIconsAnswerAsIfEverySizeWereDrawn() {
    const QColor tile(40, 80, 170);
    for (const char* glyph : {"C", "new", "print"}) {
        QIcon drawn;
        for (int side : {16, 18, 20, 24, 32})
            drawn.addPixmap(CommandIcon(glyph, tile).pixmap(QSize(side, side), 1.0));
        QCOMPARE(CommandIcon(glyph, tile).availableSizes(), drawn.availableSizes());
        QVERIFY(!CommandIcon(glyph, tile).isNull());
        for (int side : {16, 18, 22, 32, 40}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                QIcon lazy = CommandIcon(glyph, tile);
                QSize size(side, side);
                QCOMPARE(lazy.actualSize(size, mode), drawn.actualSize(size, mode));
                QCOMPARE(lazy.pixmap(size, 1.0, mode).toImage(),
                         drawn.pixmap(size, 1.0, mode).toImage());
            }
        }
    }
}

void MainFrameTest::sevenToolbarsWithCaptionsAndButtons() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    struct Expected {
        int barId;
        const char* caption;
        std::vector<int> buttons;
    };
    const Expected expected[] = {
        {59392, "File", {kFileNew, kFileOpen, kFileSave, kSeparator, kFilePrint, kHelp}},
        {59397, "Import/Export", {32774, 32776, 32805, 32775, 32777, 32804}},
        {59402, "System", {32839, 32840, 32841}},
        {59398, "Project", {32786, kSeparator, 32792, 32793, 32803}},
        {59399, "Function Point", {32772, 32783, 32782, 32790, 32795}},
        {59400, "Cocomo", {32778, 32779, 32780, 32791, 32794}},
        {59401, "Rayleigh", {32798, 32799, 32800, 32801}},
    };
    int previousRight = -1;
    for (const Expected& bar : expected) {
        QToolBar* toolbar = f.frame->Toolbar(bar.barId);
        QVERIFY2(toolbar, bar.caption);
        QCOMPARE(toolbar->windowTitle(), QString::fromLatin1(bar.caption));
        QCOMPARE(f.frame->toolBarArea(toolbar), Qt::TopToolBarArea);
        QCOMPARE(toolbar->allowedAreas(), Qt::AllToolBarAreas);
        std::vector<int> buttons;
        for (QAction* action : toolbar->actions()) {
            buttons.push_back(
                action->isSeparator()
                    ? kSeparator
                    : action->objectName().mid(QStringLiteral("command").size()).toInt());
            if (!action->isSeparator()) QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(buttons, bar.buttons);
        // Docked in creation order, each to the right of the one before.
        QVERIFY(toolbar->geometry().left() > previousRight || toolbar->geometry().top() > 0);
        previousRight = toolbar->geometry().right();
    }
}

void MainFrameTest::commandsEnabledOnlyWhereTheKindHandlesThem() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QVERIFY(!f.frame->Action(kCocomoDescription)->isEnabled());
    QVERIFY(!f.frame->Action(kFileSave)->isEnabled());
    QVERIFY(f.frame->Action(kFileNew)->isEnabled());

    f.frame->NewDocument(DocumentKind::Cocomo);
    f.frame->NewDocument(DocumentKind::FunctionPoint);
    for (DocumentKind kind : {DocumentKind::FunctionPoint, DocumentKind::Cocomo}) {
        for (cChildFrame* child : f.frame->Children()) {
            if (child->Document().Kind() == kind) f.frame->MdiArea()->setActiveSubWindow(child);
        }
        QCOMPARE(f.frame->ActiveChild()->Document().Kind(), kind);
        for (const cToolbarLayout& bar : cCommandTable::Toolbars()) {
            for (int id : bar.buttons) {
                if (id == kSeparator || cCommandTable::IsFrameCommand(id) || id == kFileSave ||
                    id == kFilePrint)
                    continue;
                bool handled = cDocumentCommands::Find(kind, id) != nullptr;
                QVERIFY2(f.frame->Action(id)->isEnabled() == handled,
                         qPrintable(QString::number(id)));
            }
        }
        QVERIFY(f.frame->Action(kFileSave)->isEnabled());
        QVERIFY(f.frame->Action(kOptionsDisplay)->isEnabled());
    }
    // The shared description commands belong to their own kind only.
    QVERIFY(f.frame->Action(kCocomoDescription)->isEnabled());
    QVERIFY(!f.frame->Action(kFpDescription)->isEnabled());
    QVERIFY(!f.frame->Action(kRayleighDescription)->isEnabled());
}

void MainFrameTest::fileNewMakesEachKind_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("title");
    QTest::newRow("project") << 0 << "Project1";
    QTest::newRow("function point") << 1 << "FP1";
    QTest::newRow("cocomo") << 2 << "COCOMO1";
    QTest::newRow("rayleigh") << 3 << "Rayleigh1";
    QTest::newRow("system") << 4 << "System1";
}

void MainFrameTest::fileNewMakesEachKind() {
    QFETCH(int, row);
    QFETCH(QString, title);
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.OnDialog("New", ChooseKind(row));
    f.OnDialog("Description", [](QDialog& form) {
        auto& description = static_cast<cDescriptionForm&>(form);
        QTest::keyClicks(description.TitleEdit(), "Order entry");
        return true;
    });
    f.frame->RunCommand(kFileNew);
    QCOMPARE(f.DialogsShown(), (QStringList{"New", "Description"}));
    cChildFrame* child = f.frame->ActiveChild();
    QVERIFY(child);
    QCOMPARE(static_cast<int>(child->Document().Kind()), row);
    QCOMPARE(child->windowTitle(), title);
    QCOMPARE(f.frame->windowTitle(), "Korval - " + title);
    QCOMPARE(child->Document().GetTitle(), std::string("Order entry"));
    QVERIFY(child->Document().IsModified());
    // A second one of the same kind counts on.
    f.OnDialog("New", ChooseKind(row));
    f.frame->RunCommand(kFileNew);
    QCOMPARE(f.frame->ActiveChild()->windowTitle(), title.chopped(1) + "2");
    QVERIFY(f.platform.Unexpected().empty());
    if (row == 2) {
        QTest::qWait(50);
        korval::testing::SaveScreenshot(*f.frame, "main-cocomo");
    }
}

void MainFrameTest::cancelledDescriptionLeavesANewDocumentUnchanged() {
    cFrameFixture f;
    f.OnDialog("New", ChooseKind(2));
    f.frame->RunCommand(kFileNew);  // the Description dialog is cancelled
    cModelDoc& document = f.frame->ActiveChild()->Document();
    QVERIFY(document.GetTitle().empty());
    QVERIFY(!document.IsModified());
    // File New cancelled: nothing is created.
    f.frame->RunCommand(kFileNew);
    QCOMPARE(f.frame->Children().size(), 1);
}

void MainFrameTest::descriptionCommandEditsAndRedraws() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.frame->NewDocument(DocumentKind::Cocomo);
    cChildFrame* child = f.frame->ActiveChild();
    QSignalSpy redrawn(&child->View(), &cReportView::DocumentChanged);
    f.OnDialog("Description", [](QDialog& form) {
        QTest::keyClicks(static_cast<cDescriptionForm&>(form).PreparedByEdit(), "J. Doe");
        return true;
    });
    f.frame->RunCommand(kCocomoDescription);
    QCOMPARE(child->Document().GetPreparedBy(), std::string("J. Doe"));
    QVERIFY(child->Document().IsModified());
    QCOMPARE(redrawn.count(), 1);
}

void MainFrameTest::closingAModifiedDocumentAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("cancel keeps it open") << int(MessageAnswer::Cancel) << false;
    QTest::newRow("no closes without saving") << int(MessageAnswer::No) << true;
    QTest::newRow("yes with a cancelled save as keeps it open") << int(MessageAnswer::Yes) << false;
}

void MainFrameTest::closingAModifiedDocumentAsks() {
    QFETCH(int, answer);
    QFETCH(bool, closed);
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.frame->NewDocument(DocumentKind::Rayleigh)->Document().SetModifiedFlag();
    f.platform.QueueAnswer(static_cast<MessageAnswer>(answer));
    f.frame->RunCommand(kFileClose);
    QCoreApplication::processEvents();
    QCOMPARE(f.platform.Messages(), std::vector<std::string>{"Save changes to Rayleigh1?"});
    QCOMPARE(f.frame->Children().isEmpty(), closed);
}

void MainFrameTest::exitAsksEveryDocumentAndCancelKeepsThemAll() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.frame->NewDocument(DocumentKind::Cocomo)->Document().SetModifiedFlag();
    f.frame->NewDocument(DocumentKind::System)->Document().SetModifiedFlag();
    f.platform.QueueAnswer(MessageAnswer::No);
    f.platform.QueueAnswer(MessageAnswer::Cancel);
    QVERIFY(!f.frame->close());
    QCOMPARE(f.platform.Messages().size(), std::size_t(2));
    QCOMPARE(f.frame->Children().size(), 2);
    QVERIFY(f.frame->isVisible());

    f.platform.QueueAnswer(MessageAnswer::No);
    f.platform.QueueAnswer(MessageAnswer::No);
    QVERIFY(f.frame->close());
    QCoreApplication::processEvents();
    QCOMPARE(f.frame->Children().size(), 0);
    QCOMPARE(f.platform.Messages().size(), std::size_t(4));
}

void MainFrameTest::saveAsUsesTheKindsFilterAndUpdatesTitleAndRecentFiles() {
    cFrameFixture f;
    QTemporaryDir folder;
    f.frame->ShowWithPlacement();
    f.frame->NewDocument(DocumentKind::Cocomo);
    QStringList filtersSeen;
    QString target = folder.filePath("plan.CCM");
    f.platform.SetSaveFileResponder([&](const std::string&, const QStringList& filters) {
        filtersSeen = filters;
        return target.toStdString();
    });
    f.frame->RunCommand(kFileSave);  // never saved: Save asks for a name
    QCOMPARE(filtersSeen, (QStringList{"COCOMO (*.CCM)", "All Files (*)"}));
    QVERIFY(QFile::exists(target));
    QCOMPARE(f.frame->ActiveChild()->windowTitle(), QStringLiteral("plan.CCM"));
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Korval - plan.CCM"));
    QCOMPARE(f.recentFiles.Entries().front(), target.toStdString());
    QCOMPARE(SettingText("Recent File List/File1"), target);
    QVERIFY(!f.frame->ActiveChild()->Document().IsModified());
}

void MainFrameTest::openUsesAllKindsFilterAndOpensByKind() {
    cFrameFixture f;
    QTemporaryDir folder;
    // A COCOMO model under a project's extension still opens as COCOMO.
    std::string path = SaveNewDocument(f, DocumentKind::Cocomo, folder.filePath("x.PRJ"));
    QStringList filtersSeen;
    std::string initialSeen;
    f.platform.SetOpenFileResponder([&](const std::string& initial, const QStringList& filters) {
        filtersSeen = filters;
        initialSeen = initial;
        return path;
    });
    f.frame->RunCommand(kFileOpen);
    QCOMPARE(initialSeen, std::string("*.*"));
    QCOMPARE(filtersSeen, (QStringList{"All Files (*)", "Project (*.PRJ)", "Function Point (*.FPM)",
                                       "COCOMO (*.CCM)", "Rayleigh (*.RLM)",
                                       "System Level Estimation (*.SLE)"}));
    QVERIFY(f.frame->ActiveChild());
    QCOMPARE(f.frame->ActiveChild()->Document().Kind(), DocumentKind::Cocomo);
    QCOMPARE(f.MenuTitles().at(2), QStringLiteral("&COCOMO"));
}

void MainFrameTest::recentFilesKeepFourNewestFirst() {
    cFrameFixture f;
    QTemporaryDir folder;
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(SaveNewDocument(f, DocumentKind::Rayleigh,
                                        folder.filePath(QStringLiteral("r%1.RLM").arg(i))));
        QVERIFY(f.frame->OpenFile(paths.back()));
    }
    QCOMPARE(f.recentFiles.Entries(),
             (std::vector<std::string>{paths[4], paths[3], paths[2], paths[1]}));
    QStringList file = f.MenuEntries("&File");
    QStringList numbered = file.filter(QRegularExpression("^&[1-4] "));
    QCOMPARE(numbered.size(), 4);
    QVERIFY(numbered[0].startsWith("&1 ") && numbered[0].endsWith("r4.RLM"));
    QVERIFY(numbered[3].startsWith("&4 ") && numbered[3].endsWith("r1.RLM"));
    QVERIFY(!file.contains("Recent File"));
    // Reopening an older one moves it to the top; the list comes back after a restart.
    f.frame->RunCommand(kFileRecent1 + 2);
    QCOMPARE(f.recentFiles.Entries().front(), paths[2]);
    f.Restart();
    QCOMPARE(f.recentFiles.Entries(),
             (std::vector<std::string>{paths[2], paths[4], paths[3], paths[1]}));
}

void MainFrameTest::missingRecentFileIsReportedAndKept() {
    cFrameFixture f;
    QTemporaryDir folder;
    std::string path = SaveNewDocument(f, DocumentKind::Cocomo, folder.filePath("gone.CCM"));
    QVERIFY(f.frame->OpenFile(path));
    f.frame->ActiveChild()->close();
    QFile::remove(QString::fromStdString(path));
    f.platform.QueueAnswer(MessageAnswer::Ok);
    f.frame->RunCommand(kFileRecent1);
    QCOMPARE(f.platform.Messages(),
             std::vector<std::string>{"This file is not recognized by KORVAL"});
    QCOMPARE(f.recentFiles.Entries(), std::vector<std::string>{path});
    QVERIFY(f.frame->Children().isEmpty());
}

void MainFrameTest::statusBarShowsReadyAndPrompts() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QCOMPARE(f.frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    f.frame->Action(kCocomoAttributes)->showStatusText(f.frame.get());
    QCOMPARE(f.frame->statusBar()->currentMessage(),
             QStringLiteral("Input mode, model type, and number of source lines of code."));
    QCOMPARE(f.frame->Action(kCocomoAttributes)->toolTip(), QStringLiteral("COCOMO Attributes"));
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(f.frame.get(), &leave);
    QCOMPARE(f.frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
}

void MainFrameTest::toolTipsSettingOffSilencesToolbars() {
    for (const char* setting : {"1", "0"}) {
        cFrameFixture f;
        WriteSettingText("General/ToolTips", setting);
        f.Restart();
        f.frame->ShowWithPlacement();
        QToolBar* bar = f.frame->Toolbar(59400);
        QWidget* button = bar->widgetForAction(f.frame->Action(kCocomoCostDrivers));
        QStatusTipEvent hover(QStringLiteral("Input settings for the various COCOMO cost drivers"));
        QCoreApplication::sendEvent(button, &hover);
        bool on = QByteArray(setting) == "1";
        QCOMPARE(f.frame->ToolTipsEnabled(), on);
        QCOMPARE(f.frame->statusBar()->currentMessage() == QStringLiteral("Ready"), !on);
    }
}

void MainFrameTest::toolbarConfigurationShowsAndHidesBars() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    std::vector<bool> offered;
    f.OnDialog("ToolBar Configuration", [&](QDialog& form) {
        auto& config = static_cast<cToolbarConfigForm&>(form);
        for (int i = 0; i < cToolbarConfigDlg::kBarCount; ++i) {
            offered.push_back(config.Box(static_cast<cToolbarConfigDlg::Bar>(i))->isChecked());
        }
        config.Box(cToolbarConfigDlg::kCocomoBar)->setChecked(false);
        config.Box(cToolbarConfigDlg::kSystemBar)->setChecked(false);
        return true;
    });
    f.frame->RunCommand(kViewToolbar);
    QCOMPARE(offered, std::vector<bool>(7, true));
    QVERIFY(f.frame->Toolbar(59400)->isHidden());
    QVERIFY(f.frame->Toolbar(59402)->isHidden());
    QVERIFY(!f.frame->Toolbar(59401)->isHidden());
    // Cancel changes nothing, and the dialog starts from what is visible.
    f.OnDialog("ToolBar Configuration", [&](QDialog& form) {
        auto& config = static_cast<cToolbarConfigForm&>(form);
        offered = {config.Box(cToolbarConfigDlg::kSystemBar)->isChecked(),
                   config.Box(cToolbarConfigDlg::kCocomoBar)->isChecked()};
        config.Box(cToolbarConfigDlg::kCocomoBar)->setChecked(true);
        return false;
    });
    f.frame->RunCommand(kViewToolbar);
    QCOMPARE(offered, (std::vector<bool>{false, false}));
    QVERIFY(f.frame->Toolbar(59400)->isHidden());
}

void MainFrameTest::windowPlacementSurvivesARestart() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.frame->setGeometry(120, 90, 800, 560);
    QRect placed = f.frame->geometry();
    QVERIFY(f.frame->close());
    QStringList numbers = SettingText("Settings/WindowPos").split(' ');
    QCOMPARE(numbers.size(), 10);
    QCOMPARE(numbers.mid(0, 2), (QStringList{"0", "1"}));
    QCOMPARE(numbers.mid(6),
             (QStringList{QString::number(placed.left()), QString::number(placed.top()),
                          QString::number(placed.left() + placed.width()),
                          QString::number(placed.top() + placed.height())}));
    f.Restart();
    f.frame->ShowWithPlacement();
    QCOMPARE(f.frame->geometry(), placed);
}

void MainFrameTest::maximisedWindowComesBackMaximised() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.frame->showMaximized();
    QTRY_VERIFY(f.frame->isMaximized());
    QVERIFY(f.frame->close());
    QStringList numbers = SettingText("Settings/WindowPos").split(' ');
    QCOMPARE(numbers.mid(0, 2), (QStringList{"2", "3"}));
    f.Restart();
    f.frame->ShowWithPlacement();
    QTRY_VERIFY(f.frame->isMaximized());
    // A minimised start request overrides the saved state.
    f.Restart();
    f.frame->ShowWithPlacement(cWindowPlacement::kShowMinimized);
    QTRY_VERIFY(f.frame->isMinimized());
}

void MainFrameTest::damagedPlacementIsIgnored() {
    cFrameFixture f;
    const QString nine = QStringLiteral("0 1 -1 -1 -1 -1 10 10 900");
    WriteSettingText("Settings/WindowPos", nine);
    f.Restart();
    f.frame->ShowWithPlacement();
    QVERIFY(f.frame->isVisible());
    QVERIFY(!f.frame->isMaximized());
    QCOMPARE(SettingText("Settings/WindowPos"), nine);
}

void MainFrameTest::toolbarLayoutSurvivesARestart() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    f.frame->Toolbar(59399)->hide();
    f.frame->addToolBar(Qt::LeftToolBarArea, f.frame->Toolbar(59401));
    f.frame->statusBar()->hide();
    QVERIFY(f.frame->close());
    f.Restart();
    f.frame->ShowWithPlacement();
    QVERIFY(f.frame->Toolbar(59399)->isHidden());
    QVERIFY(!f.frame->Toolbar(59400)->isHidden());
    QCOMPARE(f.frame->toolBarArea(f.frame->Toolbar(59401)), Qt::LeftToolBarArea);
    QVERIFY(f.frame->statusBar()->isHidden());
    QVERIFY(!f.frame->Action(kViewStatusBar)->isChecked());
}

void MainFrameTest::windowMenuArrangesChildren() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    for (DocumentKind kind :
         {DocumentKind::Cocomo, DocumentKind::Rayleigh, DocumentKind::FunctionPoint}) {
        f.frame->NewDocument(kind);
    }
    f.frame->RunCommand(kWindowTile);
    QList<cChildFrame*> children = f.frame->Children();
    for (int i = 0; i < children.size(); ++i) {
        for (int j = i + 1; j < children.size(); ++j) {
            QVERIFY(!children[i]->geometry().intersects(children[j]->geometry()));
        }
    }
    f.frame->RunCommand(kWindowCascade);
    QVERIFY(children[0]->geometry().topLeft() != children[1]->geometry().topLeft());
    children[0]->showMinimized();
    children[1]->showMinimized();
    f.frame->RunCommand(kWindowArrange);
    int bottom = f.frame->MdiArea()->viewport()->height();
    QCOMPARE(children[0]->geometry().bottom() + 1, bottom);
    QCOMPARE(children[1]->geometry().bottom() + 1, bottom);
    QVERIFY(!children[0]->geometry().intersects(children[1]->geometry()));
}

void MainFrameTest::aboutBoxShowsVersion() {
    cFrameFixture f;
    QString version;
    f.OnDialog("About KORVAL", [&](QDialog& form) {
        version = form.findChild<QLabel*>("versionText")->text();
        return true;
    });
    f.frame->RunCommand(kAppAbout);
    QCOMPARE(version, QStringLiteral("Version ") + QString::fromStdString(GetProductVersion()));
}

void MainFrameTest::helpCommandsOpenTheirPages() {
    cFrameFixture f;
    f.frame->RunCommand(kHelpContents);
    f.frame->RunCommand(kHelpUsing);
    f.frame->RunCommand(kHelpTutorial);
    f.frame->RunCommand(kHelp);
    std::vector<QString> pages = f.platform.HelpPages();
    QCOMPARE(pages.size(), std::size_t(4));
    QCOMPARE(pages[0], QStringLiteral("index.html"));
    QCOMPARE(pages[1], QStringLiteral("howto.html"));
    QVERIFY(pages[2].endsWith("/tutorial.html"));
    QVERIFY(QFile::exists(pages[2]));
    QCOMPARE(pages[3], QStringLiteral("index.html"));
}

void MainFrameTest::resetDefaultsProfileRemovesTheUsersCopy() {
    cFrameFixture f;
    QTemporaryDir config;
    QString copy = config.filePath(QStringLiteral("korval/korval.ini"));
    QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("korval"))));
    QVERIFY(QFile::copy(QStringLiteral(KORVAL_DEFAULTS_PROFILE), copy));
    f.logic.UseUserProfile(copy.toStdString());
    QCOMPARE(QString::fromStdString(f.logic.DefaultsProfilePath()), copy);
    f.frame->ShowWithPlacement();
    QVERIFY(f.frame->Action(kOptionsResetProfile)->isEnabled());

    f.platform.QueueAnswer(MessageAnswer::Yes);
    f.frame->RunCommand(kOptionsResetProfile);
    QVERIFY(!QFile::exists(copy));
    QCOMPARE(f.logic.DefaultsProfilePath(), std::string(KORVAL_DEFAULTS_PROFILE));
    QVERIFY(f.platform.AllAnswersUsed());
}

QTEST_MAIN(MainFrameTest)
#include "tst_MainFrame.moc"
