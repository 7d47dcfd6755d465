#include "tests/qt/support/cFrameFixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/qt/QtText.h"
#include "desktop/cEstimatorApp.h"
#include "documents/cDocumentFactory.h"
#include "framework/cDialogLogic.h"
#include "simulation/SimulationReport.h"

namespace korval::testing {

cFrameFixture::cFrameFixture() : logic(platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument) {
    cEstimatorApp::RegisterFormsAndCommands();
    // As the start-up hands it to the documents: reports end with the simulation's results.
    logic.Context().reportAppendix = &SimulationReportAppendix;
    cTestQtPlatform::ClearSettings();
    platform.SetDialogResponder([this](QDialog& form, cDialogLogic& dialog) {
        QString title = ToQString(dialog.Title());
        dialogsShown_ << title;
        for (auto it = scripts_.begin(); it != scripts_.end(); ++it) {
            if (it->first != title) continue;
            DialogScript script = std::move(it->second);
            scripts_.erase(it);
            return script(form);
        }
        return false;
    });
    logic.LoadExtensions();
    frame = std::make_unique<cMainFrame>(logic, platform, recentFiles);
    platform.SetMainWindow(frame.get());
}

cFrameFixture::~cFrameFixture() {
    frame.reset();
    cTestQtPlatform::ClearSettings();
}

void cFrameFixture::OnDialog(const QString& title, DialogScript script) {
    scripts_.emplace_back(title, std::move(script));
}

void cFrameFixture::Restart() {
    frame.reset();
    recentFiles.Load(platform);
    frame = std::make_unique<cMainFrame>(logic, platform, recentFiles);
    platform.SetMainWindow(frame.get());
}

QStringList cFrameFixture::MenuTitles() const {
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) titles << action->text();
    return titles;
}

QStringList cFrameFixture::MenuEntries(const QString& title) const {
    QStringList entries;
    for (QAction* menuAction : frame->menuBar()->actions()) {
        if (menuAction->text() != title) continue;
        for (QAction* action : menuAction->menu()->actions()) {
            if (action->isSeparator())
                entries << "-";
            else if (action->isVisible())
                entries << action->text();
        }
    }
    return entries;
}

}  // namespace korval::testing
