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
    cChildFrame* OpenFile(const std::string& path);
    cChildFrame* ActiveChild() const;
    QList<cChildFrame*> Children() const;

    // Enables, disables and checks every command for the active document.
    void UpdateCommandStates();
    bool ToolTipsEnabled() const { return toolTips_; }
    QPrinter& Printer();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateActions();
    void CreateToolbars();
    void CreateStatusBar();
    void RebuildMenuBar();
    void RefreshRecentFileActions();
    void RefreshCaption();
    cChildFrame* AddChild(std::unique_ptr<cModelDoc> document);
    void RememberPath(const std::string& path);
    bool RestorePlacement(const cWindowPlacement& placement);
    void RestoreBarLayout();

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave(bool saveAs);
    void OnToolbarConfiguration();
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
