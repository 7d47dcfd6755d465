#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/cWindowPlacement.h"
#include "framework/cDocumentKind.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace korval {

class cChildFrame;
class cEstimatorAppLogic;
class cModelDoc;
class cQtPlatformServices;
class cRecentFileList;

// The main window: documents in an MDI area, the menu bar of the active document's kind
// (or the short one with no document open), seven toolbars, the status bar with the
// commands' prompts, and the window placement and bar layout kept between runs.
class cMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    cMainFrame(cEstimatorAppLogic& logic, cQtPlatformServices& platform,
               cRecentFileList& recentFiles, QWidget* parent = nullptr);
    ~cMainFrame() override;

    // Shows the window at its saved placement with its saved bar layout.
    void ShowWithPlacement(unsigned requestedShowState = cWindowPlacement::kShowNormal);
    // Writes "Settings"/"WindowPos" and the bar layout "Control Bars".
    void SaveWindowState();
    cWindowPlacement CurrentPlacement() const;

    void RunCommand(int commandId);
    QAction* Action(int commandId) const;
    QToolBar* Toolbar(int barId) const;
    QMdiArea* MdiArea() const { return mdiArea_; }

    // File New of one kind: a new untitled document, its Description dialog, its window.
    cChildFrame* NewDocument(DocumentKind kind);
    // Opens the file as the kind written in it; null when it cannot be opened.
    // A file already open is not opened again: its window is activated.
    cChildFrame* OpenFile(const std::string& path);
    // The window of the document over the file at path (however the path is written).
    cChildFrame* ChildOfFile(const std::string& path) const;
    cChildFrame* ActiveChild() const;
    QList<cChildFrame*> Children() const;

    // Enables, disables and checks every command for the active document.
    void UpdateCommandStates();
    bool ToolTipsEnabled() const { return toolTips_; }
    QPrinter& Printer();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the window open as File Open opens them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateActions();
    void CreateToolbars();
    void CreateStatusBar();
    void RebuildMenuBar();
    void RefreshRecentFileActions();
    void ListDocuments(QMenu& menu);
    void RefreshCaption();
    cChildFrame* AddChild(std::unique_ptr<cModelDoc> document);
    void RememberPath(const std::string& path);
    // Settings the simulation reads as certain, else how many warnings the figures have.
    void ShowOpeningNotes(const std::string& path, std::size_t warnings);
    void SaveRecentFiles();
    // Keeps whether document windows were last maximised or normal.
    void RememberDocumentState(Qt::WindowStates state);
    // Says in the status bar which files a document read again.
    void ReportSourcesReadAgain(cChildFrame& child, const QStringList& files);
    bool RestorePlacement(const cWindowPlacement& placement);
    void RestoreBarLayout();

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave(bool saveAs);
    void OnToolbarConfiguration();
    void OnUndoRedo(cChildFrame& child, bool undo);
    // Edit, Copy: the report as text and as an HTML table.
    void CopyReport(cChildFrame& child);
    // File, Export: the report as PDF, text or HTML, or the figures as JSON or CSV.
    void OnExport(cChildFrame& child);
    void OnArrangeIcons();
    void OnAbout();
    bool RunDocumentCommand(int commandId);

    cEstimatorAppLogic& logic_;
    cQtPlatformServices& platform_;
    cRecentFileList& recentFiles_;
    QMdiArea* mdiArea_;
    std::map<int, QAction*> actions_;
    std::map<int, QToolBar*> toolbars_;
    QAction* noRecentFile_ = nullptr;
    std::optional<DocumentKind> menuKind_;
    bool menuBuilt_ = false;
    bool toolTips_ = true;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace korval
