#include "app/qt/cOffscreenApplication.h"

#include <QGuiApplication>

namespace korval {

namespace {
// QGuiApplication keeps references to argc and argv for its whole life.
int gArgc = 3;
char gProgram[] = "korval-cli";
char gPlatformOption[] = "-platform";
char gPlatform[] = "offscreen";
char* gArgv[] = {gProgram, gPlatformOption, gPlatform, nullptr};

QtMessageHandler gPreviousHandler = nullptr;

// The command line's stderr carries korval-cli's own messages only: Qt's remarks about
// its environment (no runtime folder, no display) are not for the user of a report.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (gPreviousHandler != nullptr) gPreviousHandler(type, context, message);
}
}  // namespace

cOffscreenApplication::cOffscreenApplication() {
    if (QCoreApplication::instance() == nullptr) {
        gPreviousHandler = qInstallMessageHandler(KeepQtQuiet);
        ownApplication_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
    }
}

cOffscreenApplication::~cOffscreenApplication() {
    if (ownApplication_) {
        ownApplication_.reset();
        qInstallMessageHandler(gPreviousHandler);
    }
}

}  // namespace korval
