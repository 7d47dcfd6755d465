#include "app/qt/cPdfReportWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include "app/qt/QtText.h"
#include "app/qt/cPlainTextGlyphs.h"
#include "app/qt/cQtPagedReport.h"
#include "app/qt/cQtPrinterSurface.h"

namespace korval {

bool cPdfReportWriter::Write(cModelDoc& document, const std::string& path, const std::tm& jobTime,
                             std::string& error) {
    pages_ = 0;
    QString file = ToQString(path);
    {
        // The PDF engine a PDF printer would use, without the printer support plugin:
        // loading it asks the print system for its printers, which costs more than
        // printing a small report.
        QPdfWriter writer(file);
        cQtPagedReport::SetUpPdfWriter(writer);
        pages_ = cQtPagedReport(document, jobTime).Run(writer);
    }
    if (pages_ == 0 || !QFileInfo(file).isFile() || QFileInfo(file).size() == 0) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

void cPdfReportWriter::LoadFonts() {
    // The font as a painter on PDF pages has it; nothing is drawn, as a font drawn with
    // would be embedded in this PDF in memory, which costs as long as finding the font.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    cQtPagedReport::SetUpPdfWriter(writer);
    QPainter painter(&writer);
    painter.setFont(cQtPrinterSurface::PrintFont(writer.logicalDpiY()));
    cPlainTextGlyphs::For(painter.font(), writer);
}

}  // namespace korval
