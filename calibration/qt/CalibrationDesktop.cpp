#include "calibration/qt/CalibrationDesktop.h"

#include "app/qt/AppCommands.h"
#include "app/qt/cDialogFormRegistry.h"
#include "app/qt/cDocumentCommands.h"
#include "calibration/cCalibrateDlg.h"
#include "calibration/qt/cCalibrateForm.h"

namespace korval {

void RegisterCalibrationDesktop() {
    cDialogFormRegistry::RegisterForm<cCalibrateForm, cCalibrateDlg>();
    cDocumentCommands::RegisterFrameCommand(commands::kToolsCalibrate, [](cAppContext& context) {
        std::optional<std::string> path = cCalibrateDlg::PromptHistoryPath(context.platform);
        if (!path) return;
        context.platform.BeginWaitCursor();
        cCalibrateDlg dialog(context, *path);
        context.platform.EndWaitCursor();
        context.platform.RunDialog(dialog);
    });
}

}  // namespace korval
