#include "app/qt/cQtPrintJob.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "app/qt/QtText.h"
#include "app/qt/cQtPrinterSurface.h"
#include "framework/cModelDoc.h"
#include "framework/cReportPrinter.h"

namespace korval {

cQtPrintJob::cQtPrintJob(cModelDoc& document, const std::tm& jobTime)
    : document_(document), jobTime_(jobTime) {}

int cQtPrintJob::Run(QPrinter& printer) {
    if (printer.docName().isEmpty()) {
        printer.setDocName(ToQString(cReportPrinter::FooterFileName(document_)));
    }
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    cQtPrinterSurface surface(painter, printer);
    cReportPrinter cycle(document_, surface);
    lastPage_ = cycle.BeginPrinting(jobTime_);

    int first = 1;
    int last = lastPage_;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = qMin(qMax(printer.toPage(), first), lastPage_);
    }
    int printed = 0;
    for (int page = first; page <= last; ++page) {
        if (printed > 0 && !printer.newPage()) break;
        cycle.PrintPage(page);
        ++printed;
    }
    painter.end();
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
