#include "app/qt/cQtPrintJob.h"

#include <QPageLayout>
#include <QPrinter>

#include "app/qt/QtText.h"
#include "app/qt/cQtPagedReport.h"
#include "framework/cReportPrinter.h"

namespace korval {

cQtPrintJob::cQtPrintJob(cModelDoc& document, const std::tm& jobTime)
    : document_(document), jobTime_(jobTime) {}

int cQtPrintJob::Run(QPrinter& printer) {
    if (printer.docName().isEmpty()) {
        printer.setDocName(ToQString(cReportPrinter::FooterFileName(document_)));
    }
    int first = 1;
    int last = -1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = qMax(printer.toPage(), first);
    }
    cQtPagedReport pages(document_, jobTime_);
    int printed = pages.Run(printer, first, last);
    lastPage_ = pages.LastPage();
    return printed;
}

void cQtPrintJob::SetUpPdfPrinter(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setCreator(QStringLiteral("Korval"));
}

}  // namespace korval
