#include "app/qt/cPdfReportWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include "app/qt/QtText.h"
#include "app/qt/VectorUnitState.h"
#include "app/qt/cPlainTextGlyphs.h"
#include "app/qt/cQtPagedReport.h"
#include "app/qt/cQtPdfSurface.h"
#include "app/qt/cQtPrinterSurface.h"
#include "pdfwriter/PdfReportOutput.h"
#include "pdfwriter/cPdfDocument.h"

namespace korval {

namespace {

// The pages drawn straight into a PDF document: Qt measures and lays out text as on a PDF
// printer, and each line is written as one run. Qt's PDF engine writes every glyph with its
// own positioning and takes several times as long. Null when a font could not be embedded.
std::unique_ptr<cPdfDocument> DrawPages(cModelDoc& document, const std::tm& jobTime) {
    // A PDF device never painted on gives the pages' size and resolution.
    QBuffer nowhere;
    QPdfWriter model(&nowhere);
    cQtPagedReport::SetUpPdfWriter(model);
    QRect paper = model.pageLayout().fullRectPoints();
    auto pdf = std::make_unique<cPdfDocument>(paper.width(), paper.height(),
                                              cQtPagedReport::kPdfResolution);
    cQtPdfSurface surface(*pdf, model);
    ClearUpperVectorState();
    PrintPages(document, surface, *pdf, jobTime,
               [&surface] { return !surface.AllFontsEmbedded(); });
    if (!surface.AllFontsEmbedded()) return nullptr;
    return pdf;
}

}  // namespace

bool cPdfReportWriter::Write(cModelDoc& document, const std::string& path, const std::tm& jobTime,
                             std::string& error) {
    pages_ = 0;
    QString file = ToQString(path);
    if (std::unique_ptr<cPdfDocument> pdf = DrawPages(document, jobTime)) {
        if (WriteReportFile(*pdf, document, path)) {
            pages_ = pdf->PageCount();
            return true;
        }
    } else {
        // Text in a font that cannot be embedded as TrueType: Qt's PDF engine embeds any.
        // It is the engine a PDF printer would use, without the printer support plugin:
        // loading it asks the print system for its printers, which costs more than printing
        // a small report.
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
