#include "app/qt/cQtPagedReport.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "app/qt/QtText.h"
#include "app/qt/VectorUnitState.h"
#include "app/qt/cQtPrinterSurface.h"
#include "framework/cModelDoc.h"
#include "framework/cReportPrinter.h"

namespace korval {

cQtPagedReport::cQtPagedReport(cModelDoc& document, const std::tm& jobTime)
    : document_(document), jobTime_(jobTime) {}

int cQtPagedReport::Run(QPagedPaintDevice& device, int first, int last) {
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

int cQtPagedReport::Run(QPdfWriter& writer) {
    if (writer.title().isEmpty())
        writer.setTitle(ToQString(cReportPrinter::FooterFileName(document_)));
    return Run(writer, 1, -1);
}

void cQtPagedReport::SetUpPdfWriter(QPdfWriter& writer) {
    writer.setResolution(kPdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setCreator(QStringLiteral("Korval"));
}

}  // namespace korval
