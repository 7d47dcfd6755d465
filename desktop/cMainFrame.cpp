#include "desktop/cMainFrame.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "app/cAboutDlg.h"
#include "app/cEstimatorAppLogic.h"
#include "app/cFileNewDlg.h"
#include "app/cRecentFileList.h"
#include "app/cToolbarConfigDlg.h"
#include "app/qt/AppCommands.h"
#include "app/qt/CommandIcons.h"
#include "app/qt/QtText.h"
#include "app/qt/VectorUnitState.h"
#include "app/qt/cDocumentCommands.h"
#include "app/qt/cHelpWindow.h"
#include "app/qt/cPdfReportWriter.h"
#include "app/qt/cQtPlatformServices.h"
#include "cli/DocumentExport.h"
#include "desktop/cChildFrame.h"
#include "desktop/cCommandTable.h"
#include "desktop/cFontWarmUp.h"
#include "desktop/cReportView.h"
#include "framework/FileIdentity.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/SaveAsProposal.h"
#include "framework/TextUtil.h"
#include "framework/cModelDoc.h"
#include "framework/cUndoHistory.h"
#include "simulation/UncertaintyFileCheck.h"

namespace korval {

using namespace commands;

namespace {

constexpr int kRecentFileCount = 4;
constexpr const char* kReady = "Ready";
constexpr int kSourcesMessageMilliseconds = 10000;
constexpr int kHintMilliseconds = 10000;
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kDocumentMaximizedKey = "DocumentMaximized";
constexpr const char* kRangesHiddenHint =
    "The report hides the ranges: turn on Sensitivity Analysis in Options, Display to show them";

bool IsSensitivityCommand(int id) {
    return id == kFpSensitivity || id == kCocomoSensitivity || id == kRayleighSensitivity;
}

// With "General"/"ToolTips" at 0 the toolbars show neither tool tips nor their prompts
// in the status bar.
class cToolTipBlocker : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::ToolTip || event->type() == QEvent::StatusTip;
    }
};

bool IsDocumentFrameCommand(int id) {
    switch (id) {
        case kFileClose:
        case kFileSave:
        case kFileSaveAs:
        case kFilePrint:
        case kFilePrintPreview:
        case kFileExport:
        case kEditCopy:
        case kWindowCascade:
        case kWindowTile:
        case kWindowArrange:
            return true;
        default:
            return false;
    }
}

QRect NormalRect(const cWindowPlacement& p) {
    return QRect(QPoint(p.left, p.top), QPoint(p.right - 1, p.bottom - 1));
}

bool IsOnSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(rect)) return true;
    }
    return false;
}

}  // namespace

cMainFrame::cMainFrame(cEstimatorAppLogic& logic, cQtPlatformServices& platform,
                       cRecentFileList& recentFiles, QWidget* parent)
    : QMainWindow(parent),
      logic_(logic),
      platform_(platform),
      recentFiles_(recentFiles),
      mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(ApplicationIcon());
    setCentralWidget(mdiArea_);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    toolTips_ = ParseLeadingInt(platform_.ReadSetting("General", "ToolTips", "1")) != 0;

    CreateActions();
    CreateToolbars();
    // The status bar measures the first text.
    cFontWarmUp::AwaitConfiguration();
    CreateStatusBar();
    RefreshRecentFileActions();
    RebuildMenuBar();
    RefreshCaption();
    UpdateCommandStates();

    setAcceptDrops(true);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        RebuildMenuBar();
        RefreshCaption();
        UpdateCommandStates();
    });
    move(0, 0);
    QSize available = screen() ? screen()->availableSize() : QSize(1280, 800);
    resize(qMin(1100, available.width()), qMin(760, available.height()));
}

cMainFrame::~cMainFrame() {
    // Documents close with the frame: nothing may call back into a frame half destroyed.
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (cChildFrame* child : Children()) disconnect(child, nullptr, this, nullptr);
    delete mdiArea_;
}

// --- Construction ------------------------------------------------------------------

void cMainFrame::CreateActions() {
    for (const cCommandInfo& info : cCommandTable::All()) {
        auto* action = new QAction(ToQString(info.menuText), this);
        action->setObjectName(QStringLiteral("command%1").arg(info.id));
        action->setStatusTip(ToQString(info.StatusText()));
        QString tip = ToQString(info.ToolTip());
        action->setToolTip(tip.isEmpty() ? action->text().remove('&').remove(QStringLiteral("..."))
                                         : tip);
        if (*info.shortcut != '\0')
            action->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        action->setIconVisibleInMenu(false);
        int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions_[id] = action;
    }
    actions_[kViewStatusBar]->setCheckable(true);
    actions_[kViewStatusBar]->setChecked(true);
    for (int i = 0; i < kRecentFileCount; ++i) {
        auto* action = new QAction(this);
        int id = kFileRecent1 + i;
        action->setObjectName(QStringLiteral("command%1").arg(id));
        action->setStatusTip(QStringLiteral("Open this document"));
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions_[id] = action;
    }
    noRecentFile_ = new QAction(QStringLiteral("Recent File"), this);
    noRecentFile_->setEnabled(false);
}

void cMainFrame::CreateToolbars() {
    auto* blocker = new cToolTipBlocker(this);
    for (const cToolbarLayout& layout : cCommandTable::Toolbars()) {
        auto* bar = new QToolBar(QString::fromLatin1(layout.caption), this);
        bar->setObjectName(QStringLiteral("toolbar%1").arg(layout.barId));
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setFloatable(true);
        bar->setIconSize(QSize(18, 18));
        QColor tile = ToolbarColour(layout.barId);
        for (int id : layout.buttons) {
            if (id == kSeparator) {
                bar->addSeparator();
                continue;
            }
            QAction* action = actions_.at(id);
            if (action->icon().isNull())
                action->setIcon(CommandIcon(id, cCommandTable::Find(id)->glyph, tile));
            bar->addAction(action);
            if (!toolTips_) bar->widgetForAction(action)->installEventFilter(blocker);
        }
        addToolBar(Qt::TopToolBarArea, bar);
        toolbars_[layout.barId] = bar;
    }
}

void cMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(QString::fromLatin1(kReady));
    });
    bar->showMessage(QString::fromLatin1(kReady));
}

void cMainFrame::RebuildMenuBar() {
    std::optional<DocumentKind> kind;
    if (cChildFrame* child = ActiveChild()) kind = child->Document().Kind();
    if (menuBuilt_ && kind == menuKind_) return;
    menuBuilt_ = true;
    menuKind_ = kind;
    QMenuBar* bar = menuBar();
    bar->clear();
    for (const cMenuLayout& layout : cCommandTable::MenuBar(kind)) {
        QMenu* menu = bar->addMenu(ToQString(layout.title));
        connect(menu, &QMenu::aboutToShow, this, &cMainFrame::UpdateCommandStates);
        if (layout.items.size() > 0 && layout.items.front() == kWindowCascade) {
            menu->setObjectName(QStringLiteral("windowMenu"));
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListDocuments(*menu); });
        }
        for (int id : layout.items) {
            if (id == kSeparator) {
                menu->addSeparator();
            } else if (id == kRecentFiles) {
                for (int i = 0; i < kRecentFileCount; ++i)
                    menu->addAction(actions_.at(kFileRecent1 + i));
                menu->addAction(noRecentFile_);
            } else {
                menu->addAction(actions_.at(id));
            }
        }
    }
}

// Below the arranging commands the Window menu lists the open documents, the active one
// checked; choosing one brings it to the front.
void cMainFrame::ListDocuments(QMenu& menu) {
    for (QAction* action : menu.actions()) {
        if (action->property("documentEntry").toBool()) {
            menu.removeAction(action);
            action->deleteLater();
        }
    }
    QList<cChildFrame*> children = Children();
    if (children.isEmpty()) return;
    QAction* separator = menu.addSeparator();
    separator->setProperty("documentEntry", true);
    for (int i = 0; i < children.size(); ++i) {
        cChildFrame* child = children[i];
        QString text = child->windowTitle().replace('&', QStringLiteral("&&"));
        if (i < 9) text = QStringLiteral("&%1 %2").arg(i + 1).arg(text);
        QAction* action = menu.addAction(text);
        action->setProperty("documentEntry", true);
        action->setCheckable(true);
        action->setChecked(child == ActiveChild());
        connect(action, &QAction::triggered, this, [this, window = QPointer<cChildFrame>(child)] {
            if (!window) return;
            if (window->isMinimized()) window->showNormal();
            mdiArea_->setActiveSubWindow(window);
        });
    }
}

void cMainFrame::RefreshRecentFileActions() {
    const std::vector<std::string>& entries = recentFiles_.Entries();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = actions_.at(kFileRecent1 + i);
        bool used = i < static_cast<int>(entries.size());
        action->setVisible(used);
        if (used) action->setText(ToQString(cRecentFileList::MenuText(i, entries[i])));
    }
    noRecentFile_->setVisible(entries.empty());
}

void cMainFrame::RefreshCaption() {
    QString caption = ToQString(kProductName);
    // A maximised document's name is added by the MDI area itself, as "- [name]".
    cChildFrame* child = ActiveChild();
    if (child != nullptr && !child->isMaximized())
        caption += QStringLiteral(" - ") + child->windowTitle();
    setWindowTitle(caption);
}

// --- Placement and bar layout ------------------------------------------------------

cWindowPlacement cMainFrame::CurrentPlacement() const {
    cWindowPlacement p;
    p.flags = isMaximized() ? cWindowPlacement::kRestoreToMaximized : 0;
    p.showState = isMinimized()   ? cWindowPlacement::kShowMinimized
                  : isMaximized() ? cWindowPlacement::kShowMaximized
                                  : cWindowPlacement::kShowNormal;
    QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.left() + normal.width();
    p.bottom = normal.top() + normal.height();
    return p;
}

void cMainFrame::SaveWindowState() {
    platform_.WriteSetting("Settings", "WindowPos", CurrentPlacement().Format());
    platform_.WriteSetting("Control Bars", "State", saveState().toBase64().toStdString());
    platform_.WriteSetting("Control Bars", "StatusBar", statusBar()->isHidden() ? "0" : "1");
}

void cMainFrame::RestoreBarLayout() {
    std::string state = platform_.ReadSetting("Control Bars", "State", "");
    if (!state.empty()) restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
    bool statusVisible = platform_.ReadSetting("Control Bars", "StatusBar", "1") != "0";
    statusBar()->setVisible(statusVisible);
    actions_.at(kViewStatusBar)->setChecked(statusVisible);
}

bool cMainFrame::RestorePlacement(const cWindowPlacement& placement) {
    QRect normal = NormalRect(placement);
    if (normal.width() < 100 || normal.height() < 100 || !IsOnSomeScreen(normal)) return false;
    setGeometry(normal);
    return true;
}

void cMainFrame::ShowWithPlacement(unsigned requestedShowState) {
    std::string stored = platform_.ReadSetting("Settings", "WindowPos", "");
    std::optional<cWindowPlacement> saved = cWindowPlacement::Parse(stored);
    unsigned showState = requestedShowState;
    if (saved) {
        showState = saved->StartupShowState(requestedShowState);
        cWindowPlacement written = *saved;
        written.showState = showState;
        // Writing the settings file costs a synced write: only a changed text is written.
        if (written.Format() != stored)
            platform_.WriteSetting("Settings", "WindowPos", written.Format());
        RestoreBarLayout();
        RestorePlacement(*saved);
    }
    switch (showState) {
        case cWindowPlacement::kShowMaximized:
            showMaximized();
            break;
        case cWindowPlacement::kShowMinimized:
            showMinimized();
            break;
        default:
            showNormal();
            break;
    }
}

void cMainFrame::closeEvent(QCloseEvent* event) {
    SaveWindowState();
    QList<cChildFrame*> children = Children();
    for (cChildFrame* child : children) {
        if (!child->Document().CanCloseDocument()) {
            event->ignore();
            return;
        }
    }
    for (cChildFrame* child : children) child->SetCloseConfirmed(true);
    mdiArea_->closeAllSubWindows();
    platform_.CloseHelp();
    event->accept();
}

// --- Documents ---------------------------------------------------------------------

namespace {

// The local files among what is dragged.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files << url.toLocalFile();
    }
    return files;
}

}  // namespace

void cMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFiles(event->mimeData()).isEmpty()) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void cMainFrame::dropEvent(QDropEvent* event) {
    QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty()) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    for (const QString& file : files) OpenFile(ToStdString(file));
}

cChildFrame* cMainFrame::ActiveChild() const {
    return qobject_cast<cChildFrame*>(mdiArea_->currentSubWindow());
}

QList<cChildFrame*> cMainFrame::Children() const {
    QList<cChildFrame*> children;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (auto* child = qobject_cast<cChildFrame*>(window)) children << child;
    }
    return children;
}

cChildFrame* cMainFrame::AddChild(std::unique_ptr<cModelDoc> document) {
    auto* child = new cChildFrame(std::move(document), platform_);
    mdiArea_->addSubWindow(child);
    connect(child, &cChildFrame::DocumentChanged, this, [this, child] {
        child->RefreshTitle();
        RefreshCaption();
        UpdateCommandStates();
    });
    // After the MDI area has put its own caption back, once the state change is done.
    connect(child, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates, Qt::WindowStates state) {
                RememberDocumentState(state);
                QTimer::singleShot(0, this, &cMainFrame::RefreshCaption);
            });
    connect(&child->View(), &cReportView::SourcesReadAgain, this,
            [this, child](const QStringList& files) { ReportSourcesReadAgain(*child, files); });
    connect(child, &QObject::destroyed, this, [this] {
        RebuildMenuBar();
        RefreshCaption();
        UpdateCommandStates();
    });
    // A new window opens as the last one was left: maximised or normal.
    if (platform_.ReadSetting(kSettingsSection, kDocumentMaximizedKey, "0") == "1")
        child->showMaximized();
    else
        child->show();
    mdiArea_->setActiveSubWindow(child);
    child->View().setFocus();
    RebuildMenuBar();
    RefreshCaption();
    UpdateCommandStates();
    return child;
}

cChildFrame* cMainFrame::NewDocument(DocumentKind kind) {
    std::unique_ptr<cModelDoc> document = logic_.NewDocument(kind);
    document->EditDescription();
    return AddChild(std::move(document));
}

cChildFrame* cMainFrame::ChildOfFile(const std::string& path) const {
    for (cChildFrame* child : Children()) {
        if (IsSameFile(child->Document().GetPathName(), path)) return child;
    }
    return nullptr;
}

cChildFrame* cMainFrame::OpenFile(const std::string& path) {
    // A second document over one file would let either window's save overwrite the other.
    if (cChildFrame* open = ChildOfFile(path)) {
        if (open->isMinimized()) open->showNormal();
        mdiArea_->setActiveSubWindow(open);
        RememberPath(path);
        return open;
    }
    ClearUpperVectorState();
    std::unique_ptr<cModelDoc> document = logic_.OpenByKind(path);
    if (!document) return nullptr;
    RememberPath(path);
    std::size_t warnings = document->Warnings().size();
    cChildFrame* child = AddChild(std::move(document));
    ShowOpeningNotes(path, warnings);
    return child;
}

// What the user should know on opening, in the status bar: settings the simulation reads as
// certain, else how many warnings the figures carry.
void cMainFrame::ShowOpeningNotes(const std::string& path, std::size_t warnings) {
    std::vector<std::string> problems = UncertaintyFileProblems(path);
    if (problems.empty() && warnings > 0) {
        statusBar()->showMessage(
            QFileInfo(ToQString(path)).fileName() +
            (warnings == 1 ? QStringLiteral(": one warning about its figures, listed after them "
                                            "in the report")
                           : QStringLiteral(": %1 warnings about its figures, listed after them "
                                            "in the report")
                                 .arg(warnings)));
        return;
    }
    if (problems.empty()) return;
    QStringList texts;
    for (const std::string& problem : problems) texts << ToQString(PrintableText(problem));
    statusBar()->showMessage(QFileInfo(ToQString(path)).fileName() + QStringLiteral(": ") +
                             texts.join(QStringLiteral(" ")));
}

void cMainFrame::RememberDocumentState(Qt::WindowStates state) {
    // Minimising says nothing about how the user likes to work on a document.
    if (state & Qt::WindowMinimized) return;
    std::string maximized = (state & Qt::WindowMaximized) ? "1" : "0";
    if (platform_.ReadSetting(kSettingsSection, kDocumentMaximizedKey, "0") != maximized)
        platform_.WriteSetting(kSettingsSection, kDocumentMaximizedKey, maximized);
}

void cMainFrame::RememberPath(const std::string& path) {
    recentFiles_.Add(path);
    SaveRecentFiles();
    RefreshRecentFileActions();
}

void cMainFrame::SaveRecentFiles() {
    // The list's four keys in one write of the settings file, not four.
    platform_.HoldSettingWrites();
    recentFiles_.Save(platform_);
    platform_.ReleaseSettingWrites();
}

// --- Commands ----------------------------------------------------------------------

QAction* cMainFrame::Action(int commandId) const {
    auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

QToolBar* cMainFrame::Toolbar(int barId) const {
    auto found = toolbars_.find(barId);
    return found == toolbars_.end() ? nullptr : found->second;
}

QPrinter& cMainFrame::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void cMainFrame::UpdateCommandStates() {
    cChildFrame* child = ActiveChild();
    for (auto& [id, action] : actions_) {
        if (cCommandTable::IsFrameCommand(id)) continue;
        if (IsDocumentFrameCommand(id)) {
            action->setEnabled(child != nullptr);
            continue;
        }
        const cDocumentCommands::Handler* handler =
            child ? cDocumentCommands::Find(child->Document().Kind(), id) : nullptr;
        bool frameHandles = cDocumentCommands::FindFrameCommand(id) != nullptr;
        action->setEnabled(handler ? (!handler->enabled || handler->enabled(child->Document()))
                                   : frameHandles);
        bool checkable = handler && handler->checked;
        action->setCheckable(checkable);
        if (checkable) action->setChecked(handler->checked(child->Document()));
    }
    actions_.at(kViewStatusBar)->setChecked(!statusBar()->isHidden());
    actions_.at(kEditUndo)->setEnabled(child != nullptr && child->CanUndo());
    actions_.at(kEditRedo)->setEnabled(child != nullptr && child->CanRedo());
}

bool cMainFrame::RunDocumentCommand(int commandId) {
    cChildFrame* child = ActiveChild();
    if (child == nullptr) return false;
    const cDocumentCommands::Handler* handler =
        cDocumentCommands::Find(child->Document().Kind(), commandId);
    if (handler == nullptr || (handler->enabled && !handler->enabled(child->Document())))
        return false;
    // Every change a command makes can be undone: the history keeps the inputs before it.
    child->History().Record([&] { handler->run(child->Document()); });
    // The view keeps its layout until told: a command that changed the document without
    // telling its views still shows its effect.
    child->View().Refresh();
    child->RefreshTitle();
    if (IsSensitivityCommand(commandId) &&
        child->Document().GetFilter(cModelDoc::kSensitivityAnalysisSwitch) != FilterState::On) {
        statusBar()->showMessage(QString::fromLatin1(kRangesHiddenHint), kHintMilliseconds);
    }
    return true;
}

void cMainFrame::RunCommand(int commandId) {
    cChildFrame* child = ActiveChild();
    switch (commandId) {
        case kFileNew:
            OnFileNew();
            break;
        case kFileOpen:
            OnFileOpen();
            break;
        case kFileClose:
            if (child) child->close();
            break;
        case kFileSave:
            OnFileSave(false);
            break;
        case kFileSaveAs:
            OnFileSave(true);
            break;
        case kFilePrint:
            if (child) child->View().Print(Printer());
            break;
        case kFilePrintPreview:
            if (child) child->View().PrintPreview(Printer());
            break;
        case kFilePrintSetup:
            QPageSetupDialog(&Printer(), this).exec();
            break;
        case kFileExport:
            if (child) OnExport(*child);
            break;
        case kEditUndo:
        case kEditRedo:
            if (child) OnUndoRedo(*child, commandId == kEditUndo);
            break;
        case kEditCopy:
            if (child) CopyReport(*child);
            break;
        case kAppExit:
            close();
            break;
        case kViewToolbar:
            OnToolbarConfiguration();
            break;
        case kViewStatusBar:
            statusBar()->setVisible(statusBar()->isHidden());
            break;
        case kWindowCascade:
            mdiArea_->cascadeSubWindows();
            break;
        case kWindowTile:
            mdiArea_->tileSubWindows();
            break;
        case kWindowArrange:
            OnArrangeIcons();
            break;
        case kHelpContents:
        case kHelp:
            platform_.ShowHelpPage(cHelpWindow::kContentsPage);
            break;
        case kHelpUsing:
            platform_.ShowHelpPage(cHelpWindow::kHowToUsePage);
            break;
        case kHelpTutorial:
            platform_.ShowHelpPage(cHelpWindow::TutorialPath());
            break;
        case kAppAbout:
            OnAbout();
            break;
        case kOptionsResetProfile:
            logic_.ResetDefaultsProfile();
            break;
        default:
            if (commandId >= kFileRecent1 && commandId < kFileRecent1 + kRecentFileCount) {
                std::size_t index = static_cast<std::size_t>(commandId - kFileRecent1);
                if (index < recentFiles_.Entries().size()) {
                    std::string path =
                        recentFiles_.Entries()[index];  // the list changes as it opens
                    if (!OpenFile(path) && recentFiles_.RemoveIfGone(path, platform_)) {
                        SaveRecentFiles();
                        RefreshRecentFileActions();
                    }
                }
            } else if (!RunDocumentCommand(commandId)) {
                if (const cDocumentCommands::FrameHandler* frame =
                        cDocumentCommands::FindFrameCommand(commandId)) {
                    (*frame)(logic_.Context());
                }
            }
            break;
    }
    RefreshCaption();
    UpdateCommandStates();
}

void cMainFrame::OnFileNew() {
    cFileNewDlg dialog;
    if (platform_.RunDialog(dialog)) NewDocument(dialog.SelectedKind());
}

void cMainFrame::OnFileOpen() {
    std::string path = platform_.PromptOpenFileName("*.*", logic_.OpenFilters());
    if (!path.empty()) OpenFile(path);
}

void cMainFrame::OnFileSave(bool saveAs) {
    cChildFrame* child = ActiveChild();
    if (child == nullptr) return;
    cModelDoc& document = child->Document();
    bool saved = saveAs ? document.OnFileSaveAs() : document.SaveToFile();
    child->RefreshTitle();
    // Saved, or read again from a file changed on disk: the inputs now match the file.
    if (!document.IsModified() && !document.GetPathName().empty()) child->History().MarkSaved();
    if (saved && !document.GetPathName().empty()) {
        RememberPath(document.GetPathName());
        // Systems listing the file show what was just saved, without waiting for the watch.
        for (cChildFrame* other : Children()) other->View().ReadChangedSourcesAgain();
    }
}

void cMainFrame::ReportSourcesReadAgain(cChildFrame& child, const QStringList& files) {
    QStringList names;
    for (const QString& file : files) names << QFileInfo(file).fileName();
    statusBar()->showMessage(QStringLiteral("%1: read again %2, changed on disk")
                                 .arg(child.windowTitle(), names.join(QStringLiteral(", "))),
                             kSourcesMessageMilliseconds);
}

void cMainFrame::OnUndoRedo(cChildFrame& child, bool undo) {
    cUndoHistory& history = child.History();
    if (undo ? history.Undo() : history.Redo()) {
        child.View().Refresh();
        child.RefreshTitle();
    }
}

void cMainFrame::CopyReport(cChildFrame& child) {
    auto* data = new QMimeData;
    data->setText(ToQString(ReportText(child.Document())));
    data->setHtml(ToQString(ReportHtmlText(child.Document())));
    QGuiApplication::clipboard()->setMimeData(data);
    statusBar()->showMessage(QStringLiteral("The report is on the clipboard"), kHintMilliseconds);
}

void cMainFrame::OnExport(cChildFrame& child) {
    cModelDoc& document = child.Document();
    std::string proposed = ProposedFileName(document);
    proposed = proposed.substr(0, proposed.rfind('.')) + ".pdf";
    std::string path = platform_.PromptSaveFileName(proposed, kExportFilters, "pdf");
    if (path.empty()) return;
    std::optional<ExportFormat> format = ExportFormatOfPath(path);
    if (!format) {
        platform_.ShowMessage("Korval exports .pdf, .txt, .html, .json and .csv files; " + path +
                              " is none of them.");
        return;
    }
    std::string error;
    bool written = false;
    if (*format == ExportFormat::Pdf) {
        cPdfReportWriter writer;
        written = writer.Write(document, path, platform_.Now(), error);
    } else {
        errno = 0;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out) out << ExportContent(document, *format);
        written = static_cast<bool>(out.flush());
        if (!written) error = errno != 0 ? std::strerror(errno) : "it could not be written";
    }
    if (!written) {
        platform_.ShowMessage("Cannot export to " + path + ": " + error + ".");
        return;
    }
    statusBar()->showMessage(QStringLiteral("Exported to %1").arg(ToQString(path)),
                             kHintMilliseconds);
}

void cMainFrame::OnToolbarConfiguration() {
    cToolbarConfigDlg dialog;
    for (int i = 0; i < cToolbarConfigDlg::kBarCount; ++i) {
        auto bar = static_cast<cToolbarConfigDlg::Bar>(i);
        dialog.SetChecked(bar, !Toolbar(cToolbarConfigDlg::BarId(bar))->isHidden());
    }
    if (!platform_.RunDialog(dialog)) return;
    for (int i = 0; i < cToolbarConfigDlg::kBarCount; ++i) {
        auto bar = static_cast<cToolbarConfigDlg::Bar>(i);
        QToolBar* toolbar = Toolbar(cToolbarConfigDlg::BarId(bar));
        toolbar->setVisible(dialog.IsChecked(bar));
        toolbar->update();
    }
}

void cMainFrame::OnArrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized()) continue;
        QSize size = window->size();
        window->move(x, mdiArea_->viewport()->height() - size.height());
        x += size.width();
    }
}

void cMainFrame::OnAbout() {
    cAboutDlg dialog(logic_.AboutVersionText(), logic_.AboutCopyrightText());
    platform_.RunDialog(dialog);
}

}  // namespace korval
