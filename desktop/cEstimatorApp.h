#pragma once

#include <QStringList>
#include <memory>

#include "app/cRecentFileList.h"
#include "app/qt/cQtPlatformServices.h"

namespace korval {

class cEstimatorAppLogic;
class cMainFrame;
class cBackgroundSimulation;
class cChildFrame;

// The desktop application object over the running QApplication: start-up in its fixed
// order, the main frame, the platform services and the recent-file list.
class cEstimatorApp {
  public:
    // arguments as QCoreApplication::arguments() gives them (program first).
    explicit cEstimatorApp(QStringList arguments);
    ~cEstimatorApp();

    // Start-up; false when the main frame could not be created.
    bool Start();

    cQtPlatformServices& Platform() { return platform_; }
    cEstimatorAppLogic& Logic() { return *logic_; }
    cMainFrame* MainFrame() const { return mainFrame_.get(); }
    const cRecentFileList& RecentFiles() const { return recentFiles_; }

    // Light grey dialogs with black text.
    static void ApplyDialogColours();
    // The dialog forms and menu commands of the shell and of every model folder, each
    // folder's registration called explicitly; calling it again changes nothing.
    static void RegisterFormsAndCommands();
    // The path to open from the command line: the arguments after the program, joined
    // by blanks; empty when there are none.
    static std::string CommandLinePath(const QStringList& arguments);

  private:
    // Writes the settings held since the start and lets simulations run, once the first
    // window the user waits for (the opened document's report, or the main window) painted.
    void StartDeferredWork(cChildFrame* opened);

    QStringList arguments_;
    cQtPlatformServices platform_;
    cRecentFileList recentFiles_{cRecentFileList::kDefaultSize};
    std::unique_ptr<cEstimatorAppLogic> logic_;
    std::unique_ptr<cMainFrame> mainFrame_;
    std::unique_ptr<cBackgroundSimulation> simulation_;
};

}  // namespace korval
