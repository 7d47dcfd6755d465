#include "app/qt/cPdfReportWriter.h"

#include <QFileInfo>
#include <QPrinter>

#include "app/qt/QtText.h"
#include "app/qt/cQtPrintJob.h"

namespace korval {

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
