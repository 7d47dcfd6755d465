#include "pdfwriter/PdfReportOutput.h"

#include <cstdio>

#include "framework/cReportPrinter.h"
#include "pdfwriter/cPdfDocument.h"
#include "pdfwriter/cPrintFontSurface.h"

namespace korval {

void PrintPages(cModelDoc& document, cReportSurface& surface, cPdfDocument& pdf,
                const std::tm& jobTime, const std::function<bool()>& stop) {
    cReportPrinter cycle(document, surface);
    const int last = cycle.BeginPrinting(jobTime);
    for (int page = 1; page <= last && !stop(); ++page) {
        pdf.BeginPage();
        cycle.PrintPage(page);
        pdf.EndPage();
    }
}

bool WriteReportFile(cPdfDocument& pdf, const cModelDoc& document, const std::string& path) {
    cPdfDocument::Info info{cReportPrinter::FooterFileName(document), "Korval", std::time(nullptr)};
    if (pdf.Write(path, info)) return true;
    std::remove(path.c_str());
    return false;
}

PdfReportOutcome WriteReportPdf(cModelDoc& document, const PrintFontMetrics& font,
                                const std::string& path, const std::tm& jobTime) {
    cPdfDocument pdf(font.pageWidthPoints, font.pageHeightPoints, font.dpiY);
    std::optional<int> fontNumber = pdf.AddFont(font.fontName, font.tables);
    if (!fontNumber) return {PdfReportResult::kNeedsTextLayout, 0};
    cPrintFontSurface surface(pdf, font, *fontNumber);
    PrintPages(document, surface, pdf, jobTime, [&surface] { return surface.NeedsTextLayout(); });
    if (surface.NeedsTextLayout()) return {PdfReportResult::kNeedsTextLayout, 0};
    if (!WriteReportFile(pdf, document, path)) return {PdfReportResult::kCannotWrite, 0};
    return {PdfReportResult::kWritten, pdf.PageCount()};
}

}  // namespace korval
