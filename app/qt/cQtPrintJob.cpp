#include "app/qt/cQtPrintJob.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "app/qt/QtText.h"
#include "app/qt/VectorUnitState.h"
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
    int first = 1;
    int last = -1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = qMax(printer.toPage(), first);
    }
    return RunPages(printer, first, last);
}

int cQtPrintJob::Run(QPdfWriter& writer) {
    if (writer.title().isEmpty())
        writer.setTitle(ToQString(cReportPrinter::FooterFileName(document_)));
    return RunPages(writer, 1, -1);
}

// Pages first to last (-1: to the end) of the report.
int cQtPrintJob::RunPages(QPagedPaintDevice& device, int first, int last) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    cQtPrinterSurface surface(painter, device);
    cReportPrinter cycle(document_, surface);
    ClearUpperVectorState();
    lastPage_ = cycle.BeginPrinting(jobTime_);
    last = last < 0 ? lastPage_ : qMin(last, lastPage_);
    int printed = 0;
    for (int page = first; page <= last; ++page) {
        if (printed > 0 && !device.newPage()) break;
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

void cQtPrintJob::SetUpPdfWriter(QPdfWriter& writer) {
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setCreator(QStringLiteral("Korval"));
}

}  // namespace korval
