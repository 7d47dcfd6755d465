// The main window: menus of the active kind, the seven toolbars, the status bar, the
// commands of the File and Window menus, and what it keeps between runs.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "app/cToolbarConfigDlg.h"
#include "app/qt/AppCommands.h"
#include "app/qt/CommandIcons.h"
#include "app/qt/cDescriptionForm.h"
#include "app/qt/cDocumentCommands.h"
#include "app/qt/cFileNewForm.h"
#include "app/qt/cToolbarConfigForm.h"
#include "cli/DocumentExport.h"
#include "desktop/cAfterFirstPaint.h"
#include "desktop/cChildFrame.h"
#include "desktop/cCommandTable.h"
#include "desktop/cReportView.h"
#include "framework/ProfileAccess.h"
#include "framework/cModelDoc.h"
#include "framework/cUndoHistory.h"
#include "system/cSystemDoc.h"
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

// A system file listing the given member files.
std::string WriteSystem(const QString& path, const std::vector<std::string>& members) {
    std::string text = "[KORVAL]\nKORVAL_Type=System\n[Projects]\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        text += IndexedKey("File_Name", static_cast<int>(i)) + "=" + members[i] + "\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(QByteArray::fromStdString(text));
    return path.toStdString();
}

const cSystemDoc& SystemOf(const cChildFrame* child) {
    return dynamic_cast<const cSystemDoc&>(child->Document());
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCommandHasItsOwnId();
    void menuWithNoDocument();
    void menusFollowTheActiveKind_data();
    void menusFollowTheActiveKind();
    void sevenToolbarsWithCaptionsAndButtons();
    void toolbarIconsAnswerAsIfEverySizeWereDrawn();
    void everyToolbarCommandHasADrawingInThePalettesTextColour();
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
    void missingRecentFileIsReportedAndDropped();
    void reopeningAnOpenFileActivatesItsWindow();
    void droppedFilesOpen();
    void undoAndRedoAcrossEveryKind();
    void workAfterTheFirstPaintRunsOnceAfterIt();
    void undoAfterTheFirstPaintReturnsToTheOpenedFile();
    void exportWritesEveryFormatAndCopyBoth();
    void frequentCommandsHaveTheirOwnShortcuts();
    void aSensitivityWithHiddenRangesSaysHowToShowThem();
    void aMemberSavedInKorvalRedrawsEverySystemListingIt();
    void aMemberChangedOnDiskIsReadAgainAndSaidSo();
    void statusBarShowsReadyAndPrompts();
    void toolTipsSettingOffSilencesToolbars();
    void toolbarConfigurationShowsAndHidesBars();
    void windowPlacementSurvivesARestart();
    void maximisedWindowComesBackMaximised();
    void damagedPlacementIsIgnored();
    void toolbarLayoutSurvivesARestart();
    void documentWindowsOpenAsTheLastWasLeft();
    void windowMenuArrangesChildren();
    void aboutBoxShowsVersion();
    void helpCommandsOpenTheirPages();
    void resetDefaultsProfileRemovesTheUsersCopy();
};

// Branches adding commands side by side once gave two commands one id: the menu then ran
// whichever handler came first.
void MainFrameTest::everyCommandHasItsOwnId() {
    QSet<int> seen;
    for (const cCommandInfo& command : cCommandTable::All()) {
        QVERIFY2(!seen.contains(command.id),
                 qPrintable(QString("id %1 used twice").arg(command.id)));
        seen.insert(command.id);
    }
}

void MainFrameTest::menuWithNoDocument() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QCOMPARE(f.MenuTitles(), (QStringList{"&File", "&View", "&Tools", "&Options", "&Help"}));
    QCOMPARE(f.MenuEntries("&File"), (QStringList{"&New", "&Open...", "-", "P&rint Setup...", "-",
                                                  "Recent File", "-", "E&xit"}));
    QCOMPARE(f.MenuEntries("&Options"),
             (QStringList{"&Display...", "&Languages...", "-", "Defaults &Profile...",
                          "&Reset Defaults Profile..."}));
    QCOMPARE(f.MenuEntries("&Tools"), (QStringList{"&Calibrate from History..."}));
    QVERIFY(!f.frame->Action(kOptionsDisplay)->isEnabled());
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Korval"));
    korval::testing::SaveScreenshot(*f.frame, "main-empty");
}

void MainFrameTest::menusFollowTheActiveKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("languages");
    QTest::newRow("project") << 0
                             << QStringList{"&File",          "&Edit",   "&View",     "&Project",
                                            "F&unctionPoint", "&COCOMO", "&Rayleigh", "&Tools",
                                            "&Options",       "&Window", "&Help"}
                             << true;
    QTest::newRow("function point")
        << 1 << QStringList{"&File",  "&Edit",    "&View",   "F&unctionPoint",
                            "&Tools", "&Options", "&Window", "&Help"}
        << true;
    QTest::newRow("cocomo") << 2 << QStringList{"&File",  "&Edit",    "&View",   "&COCOMO",
                                                "&Tools", "&Options", "&Window", "&Help"}
                            << false;
    QTest::newRow("rayleigh") << 3 << QStringList{"&File",  "&Edit",    "&View",   "&Rayleigh",
                                                  "&Tools", "&Options", "&Window", "&Help"}
                              << false;
    QTest::newRow("system") << 4 << QStringList{"&File",  "&Edit",    "&View",   "&System",
                                                "&Tools", "&Options", "&Window", "&Help"}
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
             (QStringList{"&New", "&Open...", "&Close", "&Save", "Save &As...", "&Export...", "-",
                          "&Print...", "Print Pre&view", "P&rint Setup...", "-", "Recent File", "-",
                          "E&xit"}));
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
    QCOMPARE(f.MenuTitles(), (QStringList{"&File", "&View", "&Tools", "&Options", "&Help"}));
}

// Toolbar icons draw each size when it is first asked for; whatever is asked, in any mode,
// the answer is the one an icon holding all five drawn sizes gives.
void MainFrameTest::toolbarIconsAnswerAsIfEverySizeWereDrawn() {
    const QColor tile(40, 80, 170);
    const std::function<QIcon()> icons[] = {
        [&] { return CommandIcon("C", tile); },
        [&] { return CommandIcon("new", tile); },
        [&] { return CommandIcon("print", tile); },
        [&] { return CommandIcon(kFpCount, "FC", tile); },
        [&] { return CommandIcon(kFileSave, "save", tile); },
    };
    for (const auto& icon : icons) {
        QIcon drawn;
        for (int side : {16, 18, 20, 24, 32})
            drawn.addPixmap(icon().pixmap(QSize(side, side), 1.0));
        QCOMPARE(icon().availableSizes(), drawn.availableSizes());
        QVERIFY(!icon().isNull());
        for (int side : {16, 18, 22, 32, 40}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                QIcon lazy = icon();
                QSize size(side, side);
                QCOMPARE(lazy.actualSize(size, mode), drawn.actualSize(size, mode));
                QCOMPARE(lazy.pixmap(size, 1.0, mode).toImage(),
                         drawn.pixmap(size, 1.0, mode).toImage());
            }
        }
    }
}

// Every toolbar button shows a pictogram, not a lettered tile, stroked in the buttons' text
// colour: it is drawn at every size and turns light when the palette turns dark, without
// the icon being made again.
void MainFrameTest::everyToolbarCommandHasADrawingInThePalettesTextColour() {
    const QPalette original = QGuiApplication::palette();
    QPalette light = original, dark = original;
    light.setColor(QPalette::ButtonText, QColor(20, 20, 20));
    dark.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    const QColor tile(40, 80, 170);
    // Whether the image has ink and its solid pixels are all of the colour (give or take
    // the rounding of antialiased edges).
    auto inkedIn = [](const QImage& picture, const QColor& colour) {
        const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
        int solid = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() < 128) continue;
                ++solid;
                if (std::abs(pixel.red() - colour.red()) > 8 ||
                    std::abs(pixel.green() - colour.green()) > 8 ||
                    std::abs(pixel.blue() - colour.blue()) > 8)
                    return false;
            }
        }
        return solid > 0;
    };
    for (const cToolbarLayout& layout : cCommandTable::Toolbars()) {
        for (int id : layout.buttons) {
            if (id == kSeparator) continue;
            const char* glyph = cCommandTable::Find(id)->glyph;
            QVERIFY2(!cCommandTable::Find(id)->ToolTip().empty(), glyph);
            QVERIFY2(!cCommandTable::Find(id)->StatusText().empty(), glyph);
            QIcon icon = CommandIcon(id, glyph, tile);
            for (int side : {16, 24, 32}) {
                QSize size(side, side);
                QGuiApplication::setPalette(light);
                QImage onLight = icon.pixmap(size, 1.0).toImage();
                QGuiApplication::setPalette(dark);
                QImage onDark = icon.pixmap(size, 1.0).toImage();
                QVERIFY2(onLight.size() == size, glyph);
                QVERIFY2(inkedIn(onLight, light.color(QPalette::ButtonText)), glyph);
                QVERIFY2(inkedIn(onDark, dark.color(QPalette::ButtonText)), glyph);
                QVERIFY2(onLight != CommandIcon(glyph, tile).pixmap(size, 1.0).toImage(), glyph);
            }
        }
    }
    QGuiApplication::setPalette(original);
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
    QCOMPARE(child->windowTitle(), title + " *");  // described, not yet saved
    QCOMPARE(f.frame->windowTitle(), "Korval - " + title + " *");
    QCOMPARE(child->Document().GetTitle(), std::string("Order entry"));
    QVERIFY(child->Document().IsModified());
    // A second one of the same kind counts on.
    f.OnDialog("New", ChooseKind(row));
    f.frame->RunCommand(kFileNew);
    QCOMPARE(f.frame->ActiveChild()->windowTitle(), title.chopped(1) + "2");  // not described
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
    // Maximised, the name shows once; restored, the frame names it again.
    f.frame->ActiveChild()->showMaximized();
    QTest::qWait(20);
    QVERIFY(f.frame->windowTitle().count(QStringLiteral("plan.CCM")) <= 1);
    f.frame->ActiveChild()->showNormal();
    QTRY_COMPARE(f.frame->windowTitle(), QStringLiteral("Korval - plan.CCM"));
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
    QCOMPARE(f.MenuTitles().at(3), QStringLiteral("&COCOMO"));
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

void MainFrameTest::missingRecentFileIsReportedAndDropped() {
    cFrameFixture f;
    QTemporaryDir folder;
    std::string kept = SaveNewDocument(f, DocumentKind::Rayleigh, folder.filePath("kept.RLM"));
    std::string path = SaveNewDocument(f, DocumentKind::Cocomo, folder.filePath("gone.CCM"));
    QVERIFY(f.frame->OpenFile(kept));
    QVERIFY(f.frame->OpenFile(path));
    for (cChildFrame* child : f.frame->Children()) child->close();
    QFile::remove(QString::fromStdString(path));
    f.platform.QueueAnswer(MessageAnswer::Ok);
    f.frame->RunCommand(kFileRecent1);
    QCOMPARE(f.platform.Messages(),
             std::vector<std::string>{"Cannot open " + path + ": File not found."});
    QCOMPARE(f.recentFiles.Entries(), std::vector<std::string>{kept});
    QVERIFY(f.frame->Children().isEmpty());
    QVERIFY(!f.frame->Action(kFileRecent1 + 1)->isVisible());
    f.Restart();
    QCOMPARE(f.recentFiles.Entries(), std::vector<std::string>{kept});
}

void MainFrameTest::reopeningAnOpenFileActivatesItsWindow() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    std::string path = SaveNewDocument(f, DocumentKind::Cocomo, folder.filePath("plan.CCM"));
    std::string other = SaveNewDocument(f, DocumentKind::Rayleigh, folder.filePath("other.RLM"));
    QString link = folder.filePath(QStringLiteral("link.CCM"));
    QVERIFY(QFile::link(QString::fromStdString(path), link));
    cChildFrame* first = f.frame->OpenFile(path);
    QVERIFY(first);
    // However the path is written, the same file comes back to its one window.
    const std::string aliases[] = {
        path,
        folder.filePath(QStringLiteral("sub/../plan.CCM")).toStdString(),
        link.toStdString(),
        QDir(QDir::currentPath()).relativeFilePath(QString::fromStdString(path)).toStdString(),
    };
    for (const std::string& alias : aliases) {
        QVERIFY(f.frame->OpenFile(other));
        QCOMPARE(f.frame->OpenFile(alias), first);
        QCOMPARE(f.frame->ActiveChild(), first);
        QCOMPARE(f.frame->Children().size(), 2);
    }
    // A file of the same name elsewhere is another document.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("copy")));
    std::string twin = SaveNewDocument(f, DocumentKind::Cocomo, folder.filePath("copy/plan.CCM"));
    QVERIFY(f.frame->OpenFile(twin) != first);
    QCOMPARE(f.frame->Children().size(), 3);
}

void MainFrameTest::frequentCommandsHaveTheirOwnShortcuts() {
    cFrameFixture f;
    const std::pair<int, const char*> expected[] = {
        {kAppExit, "Ctrl+Q"},
        {kFileOpen, "Ctrl+O"},
        {kFpCount, "Ctrl+Shift+F"},
        {kFpValueAdjustment, "Ctrl+Shift+V"},
        {kCocomoAttributes, "Ctrl+Shift+C"},
        {kCocomoCostDrivers, "Ctrl+Shift+D"},
        {kRayleighAttributes, "Ctrl+Shift+R"},
        {kSystemAttributes, "Ctrl+Shift+A"},
        {kSystemProjects, "Ctrl+Shift+P"},
    };
    for (const auto& [id, keys] : expected)
        QCOMPARE(f.frame->Action(id)->shortcut(), QKeySequence(QString::fromLatin1(keys)));
    // One command per key: a project shows the three model menus at once.
    QMap<QString, int> owners;
    for (const cCommandInfo& info : cCommandTable::All()) {
        if (*info.shortcut == '\0') continue;
        QString keys = QString::fromLatin1(info.shortcut);
        QVERIFY2(!owners.contains(keys), qPrintable(keys));
        owners[keys] = info.id;
    }
    // Ctrl+Q closes the window as Exit does.
    f.frame->ShowWithPlacement();
    QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
    QTest::keyClick(f.frame.get(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!f.frame->isVisible());
}

void MainFrameTest::aSensitivityWithHiddenRangesSaysHowToShowThem() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    cChildFrame* child = f.frame->NewDocument(DocumentKind::Cocomo);
    for (FilterState state : {FilterState::Off, FilterState::On}) {
        child->Document().SetFilter(cModelDoc::kSensitivityAnalysisSwitch, state);
        f.frame->statusBar()->clearMessage();
        f.OnDialog("COCOMO Sensitivity Adjustments", [](QDialog&) { return true; });
        f.frame->RunCommand(kCocomoSensitivity);
        QCOMPARE(
            f.frame->statusBar()->currentMessage().contains(QStringLiteral("Options, Display")),
            state == FilterState::Off);
    }
}

// Initialize of each kind undone gives back the report of before it, with nothing to save;
// redone it is the change again, to be saved.
void MainFrameTest::undoAndRedoAcrossEveryKind() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QTemporaryDir folder;
    const std::pair<const char*, int> examples[] = {{"payroll.PRJ", kProjectInitialize},
                                                    {"payroll.FPM", kFpInitialize},
                                                    {"order-billing.CCM", kCocomoInitialize},
                                                    {"claims-portal.RLM", kRayleighInitialize}};
    for (const auto& [name, initialize] : examples) {
        QString copy = folder.filePath(QString::fromLatin1(name));
        QVERIFY(QFile::copy(QStringLiteral(KORVAL_SOURCE_DIR "/examples/") + name, copy));
        cChildFrame* child = f.frame->OpenFile(copy.toStdString());
        QVERIFY(child);
        std::string before = ReportText(child->Document());
        QVERIFY(!f.frame->Action(kEditUndo)->isEnabled());
        f.platform.QueueAnswer(MessageAnswer::Yes);
        f.frame->RunCommand(initialize);
        std::string changed = ReportText(child->Document());
        QVERIFY2(changed != before, name);
        QVERIFY(child->windowTitle().endsWith(QStringLiteral(" *")));
        QVERIFY(f.frame->Action(kEditUndo)->isEnabled());
        f.frame->RunCommand(kEditUndo);
        QCOMPARE(ReportText(child->Document()), before);
        QVERIFY(!child->Document().IsModified());
        QCOMPARE(child->windowTitle(), QFileInfo(copy).fileName());
        QVERIFY(f.frame->Action(kEditRedo)->isEnabled());
        f.frame->RunCommand(kEditRedo);
        QCOMPARE(ReportText(child->Document()), changed);
        QVERIFY(child->Document().IsModified());
    }
    // A dialog cancelled changes nothing, so there is nothing to undo.
    cChildFrame* fresh = f.frame->NewDocument(DocumentKind::Cocomo);
    f.frame->RunCommand(kCocomoAttributes);  // unscripted: cancelled
    QVERIFY(!fresh->History().CanUndo());
}

void MainFrameTest::workAfterTheFirstPaintRunsOnceAfterIt() {
    QWidget widget;
    widget.resize(200, 100);
    int runs = 0;
    bool paintedBefore = false;
    cAfterFirstPaint::Run(widget, [&] {
        ++runs;
        paintedBefore = widget.isVisible();
    });
    // Not shown, never painted: nothing runs however long the loop turns.
    QTest::qWait(20);
    QCOMPARE(runs, 0);
    widget.show();
    QTRY_COMPARE(runs, 1);
    QVERIFY(paintedBefore);
    widget.repaint();
    widget.update();
    QTest::qWait(20);
    QCOMPARE(runs, 1);
    // The work goes with its widget.
    auto gone = std::make_unique<QWidget>();
    bool ranForGone = false;
    cAfterFirstPaint::Run(*gone, [&] { ranForGone = true; });
    gone->show();
    gone.reset();
    QTest::qWait(20);
    QVERIFY(!ranForGone);
}

void MainFrameTest::undoAfterTheFirstPaintReturnsToTheOpenedFile() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QTemporaryDir folder;
    QString copy = folder.filePath(QStringLiteral("order-billing.CCM"));
    QVERIFY(QFile::copy(QStringLiteral(KORVAL_SOURCE_DIR "/examples/order-billing.CCM"), copy));
    cChildFrame* child = f.frame->OpenFile(copy.toStdString());
    QVERIFY(child);
    // Nothing to take back yet, known without writing the opened state out before the paint.
    QVERIFY(!f.frame->Action(kEditUndo)->isEnabled());
    QVERIFY(!f.frame->Action(kEditRedo)->isEnabled());
    QVERIFY(QTest::qWaitForWindowExposed(child));
    QTest::qWait(20);
    f.platform.QueueAnswer(MessageAnswer::Yes);
    f.frame->RunCommand(kCocomoInitialize);
    QVERIFY(child->Document().IsModified());
    QVERIFY(f.frame->Action(kEditUndo)->isEnabled());
    f.frame->RunCommand(kEditUndo);
    QVERIFY(!child->Document().IsModified());
    QCOMPARE(child->windowTitle(), QStringLiteral("order-billing.CCM"));
}

void MainFrameTest::exportWritesEveryFormatAndCopyBoth() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QTemporaryDir folder;
    QString copy = folder.filePath(QStringLiteral("payroll.PRJ"));
    QVERIFY(QFile::copy(QStringLiteral(KORVAL_SOURCE_DIR "/examples/payroll.PRJ"), copy));
    QVERIFY(f.frame->OpenFile(copy.toStdString()));
    QString proposed;
    QString target;
    f.platform.SetSaveFileResponder([&](const std::string& initial, const QStringList&) {
        proposed = QString::fromStdString(initial);
        return target.toStdString();
    });
    auto exported = [&](const QString& name) {
        target = folder.filePath(name);
        f.frame->RunCommand(kFileExport);
        QFile file(target);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QVERIFY(exported(QStringLiteral("report.pdf")).startsWith("%PDF"));
    QCOMPARE(proposed, QStringLiteral("Payroll Replacement.pdf"));
    QVERIFY(korval::testing::PdfText(target).contains(QStringLiteral("681.6")));
    QVERIFY(exported(QStringLiteral("report.txt")).contains("Adj. Function Points:"));
    QVERIFY(exported(QStringLiteral("report.html")).contains("<td>681.6</td>"));
    QJsonParseError error;
    QJsonDocument json = QJsonDocument::fromJson(exported(QStringLiteral("figures.json")), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(qAbs(json["project"]["functionPoint"]["afp"]["value"].toDouble() - 681.59) < 0.01);
    QByteArray csv = exported(QStringLiteral("figures.csv"));
    QVERIFY(csv.startsWith("path,value,low,high"));
    QVERIFY(csv.contains("functionPoint.afp,681."));
    // Another extension is refused with a message, and nothing is written.
    f.platform.QueueAnswer(MessageAnswer::Ok);
    QVERIFY(exported(QStringLiteral("report.doc")).isEmpty());
    QVERIFY(f.platform.Messages().back().find("report.doc") != std::string::npos);
    // A folder that is not there is named with the reason.
    f.platform.QueueAnswer(MessageAnswer::Ok);
    QVERIFY(exported(QStringLiteral("gone/report.txt")).isEmpty());
    QCOMPARE(f.platform.Messages().back(),
             "Cannot export to " + target.toStdString() + ": No such file or directory.");

    f.frame->RunCommand(kEditCopy);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText() && data->hasHtml());
    QVERIFY(data->text().contains(QStringLiteral("Adj. Function Points:")));
    QVERIFY(data->html().contains(QStringLiteral("<table>")));
}

void MainFrameTest::droppedFilesOpen() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QTemporaryDir folder;
    std::string first = SaveNewDocument(f, DocumentKind::Cocomo, folder.filePath("one.CCM"));
    std::string second = SaveNewDocument(f, DocumentKind::Rayleigh, folder.filePath("two.RLM"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(first)),
                  QUrl::fromLocalFile(QString::fromStdString(second)),
                  QUrl(QStringLiteral("https://example.org/three.PRJ"))});
    QPoint centre = f.frame->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(f.frame.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QApplication::sendEvent(f.frame.get(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(f.frame->Children().size(), 2);
    QCOMPARE(f.frame->ActiveChild()->Document().GetPathName(), second);
    // Text is not a file: the window refuses it.
    QMimeData text;
    text.setText(QStringLiteral("plan.CCM"));
    QDragEnterEvent refused(centre, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(f.frame.get(), &refused);
    QVERIFY(!refused.isAccepted());
}

void MainFrameTest::aMemberSavedInKorvalRedrawsEverySystemListingIt() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QTemporaryDir folder;
    std::string member = SaveNewDocument(f, DocumentKind::Project, folder.filePath("member.PRJ"));
    cChildFrame* first =
        f.frame->OpenFile(WriteSystem(folder.filePath("first.SLE"), {"member.PRJ", "member.PRJ"}));
    cChildFrame* second = f.frame->OpenFile(WriteSystem(folder.filePath("second.SLE"), {member}));
    QVERIFY(first && second);
    int layouts = second->View().LayoutCount();
    cChildFrame* project = f.frame->OpenFile(member);
    project->Document().SetDescriptionTexts("Renamed", "", "");
    f.frame->RunCommand(kFileSave);
    for (const cChildFrame* system : {first, second}) {
        for (const auto& listed : SystemOf(system).GetMembers())
            QCOMPARE(listed->GetTitle(), std::string("Renamed"));
        QVERIFY(!system->Document().IsModified());
        QVERIFY(!system->windowTitle().contains('*'));
    }
    QVERIFY(second->View().LayoutCount() > layouts);
    QVERIFY(f.frame->statusBar()->currentMessage().contains(QStringLiteral("member.PRJ")));
}

void MainFrameTest::aMemberChangedOnDiskIsReadAgainAndSaidSo() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    QTemporaryDir folder;
    std::string member = SaveNewDocument(f, DocumentKind::Project, folder.filePath("member.PRJ"));
    cChildFrame* system = f.frame->OpenFile(WriteSystem(folder.filePath("plan.SLE"), {member}));
    QVERIFY(system);
    // Another program (or another Korval) replaces the file as Korval saves: by a rename.
    std::unique_ptr<cModelDoc> elsewhere = f.logic.NewDocument(DocumentKind::Project);
    elsewhere->SetDescriptionTexts("Changed elsewhere", "", "");
    QVERIFY(elsewhere->SaveAs(member));
    QTRY_COMPARE(SystemOf(system).GetMembers()[0]->GetTitle(), std::string("Changed elsewhere"));
    QVERIFY(f.frame->statusBar()->currentMessage().contains(QStringLiteral("changed on disk")));
    QVERIFY(!system->Document().IsModified());
    // And the watch holds for the next change.
    elsewhere->SetDescriptionTexts("Changed again", "", "");
    QVERIFY(elsewhere->SaveToFile());
    QTRY_COMPARE(SystemOf(system).GetMembers()[0]->GetTitle(), std::string("Changed again"));
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

void MainFrameTest::documentWindowsOpenAsTheLastWasLeft() {
    cFrameFixture f;
    f.frame->ShowWithPlacement();
    cChildFrame* first = f.frame->NewDocument(DocumentKind::Cocomo);
    QVERIFY(!first->isMaximized());
    first->showMaximized();
    QVERIFY(f.frame->NewDocument(DocumentKind::Rayleigh)->isMaximized());
    f.Restart();
    f.frame->ShowWithPlacement();
    cChildFrame* later = f.frame->NewDocument(DocumentKind::Cocomo);
    QVERIFY(later->isMaximized());
    later->showMinimized();  // says nothing
    later->showNormal();
    QVERIFY(!f.frame->NewDocument(DocumentKind::Project)->isMaximized());
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

    // The menu lists the open documents, the active one checked; choosing one activates it.
    auto* menu = f.frame->menuBar()->findChild<QMenu*>(QStringLiteral("windowMenu"));
    QVERIFY(menu);
    emit menu->aboutToShow();
    emit menu->aboutToShow();  // listed once however often it opens
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (action->property("documentEntry").toBool() && !action->isSeparator()) entries << action;
    }
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0]->text(), "&1 " + children[0]->windowTitle());
    int active = children.indexOf(f.frame->ActiveChild());
    QVERIFY(active >= 0);
    for (int i = 0; i < entries.size(); ++i) QCOMPARE(entries[i]->isChecked(), i == active);
    entries[0]->trigger();
    QCOMPARE(f.frame->ActiveChild(), children[0]);
    QVERIFY(!children[0]->isMinimized());
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
