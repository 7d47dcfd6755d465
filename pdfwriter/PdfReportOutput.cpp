#include "pdfwriter/PdfReportOutput.h"

#include <cstdio>

#include "framework/cReportPrinter.h"
#include "pdfwriter/cPdfDocument.h"
#include "pdfwriter/cPrintFontSurface.h"

namespace korval {

PdfReportOutcome WriteReportPdf(cModelDoc& document, const PrintFontMetrics& font,
                                const std::string& path, const std::tm& jobTime) {
    cPdfDocument pdf(font.pageWidthPoints, font.pageHeightPoints, font.dpiY);
    std::optional<int> fontNumber = pdf.AddFont(font.fontName, font.tables);
    if (!fontNumber) return {PdfReportResult::kNeedsTextLayout, 0};
    cPrintFontSurface surface(pdf, font, *fontNumber);
    cReportPrinter cycle(document, surface);
    const int last = cycle.BeginPrinting(jobTime);
    for (int page = 1; page <= last && !surface.NeedsTextLayout(); ++page) {
        pdf.BeginPage();
        cycle.PrintPage(page);
        pdf.EndPage();
    }
    if (surface.NeedsTextLayout()) return {PdfReportResult::kNeedsTextLayout, 0};
    cPdfDocument::Info info{cReportPrinter::FooterFileName(document), "Korval", std::time(nullptr)};
    if (!pdf.Write(path, info)) {
        std::remove(path.c_str());
        return {PdfReportResult::kCannotWrite, 0};
    }
    return {PdfReportResult::kWritten, pdf.PageCount()};
}

}  // namespace korval
