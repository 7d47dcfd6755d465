#include "app/qt/cPdfReportWriter.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

#include "app/qt/QtText.h"
#include "app/qt/cQtPrintJob.h"

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

cPdfReportWriter::cPdfReportWriter() {
    if (QCoreApplication::instance() == nullptr) {
        gPreviousHandler = qInstallMessageHandler(KeepQtQuiet);
        ownApplication_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
    }
}

cPdfReportWriter::~cPdfReportWriter() {
    if (ownApplication_) {
        ownApplication_.reset();
        qInstallMessageHandler(gPreviousHandler);
    }
}

bool cPdfReportWriter::Write(cModelDoc& document, const std::string& path, const std::tm& jobTime,
                             std::string& error) {
    pages_ = 0;
    QString file = ToQString(path);
    QPrinter printer(QPrinter::HighResolution);
    cQtPrintJob::SetUpPdfPrinter(printer, file);
    cQtPrintJob job(document, jobTime);
    pages_ = job.Run(printer);
    if (pages_ == 0 || !QFileInfo(file).isFile() || QFileInfo(file).size() == 0) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace korval
