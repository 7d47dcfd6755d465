#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "pdfwriter/PrintFontMetrics.h"

namespace korval {

class cModelDoc;
class cPdfDocument;
class cReportSurface;

enum class PdfReportResult {
    kWritten,
    kNeedsTextLayout,  // a text only Qt's layout can measure: nothing was written
    kCannotWrite,
};

struct PdfReportOutcome {
    PdfReportResult result = PdfReportResult::kCannotWrite;
    int pages = 0;
};

// The report's pages drawn into the PDF document on the surface through the print cycle
// (laid out once, then page by page), until stop says the pages cannot be finished.
void PrintPages(cModelDoc& document, cReportSurface& surface, cPdfDocument& pdf,
                const std::tm& jobTime, const std::function<bool()>& stop);
// Writes the document as the report's PDF file, titled as its footer names it; false, with
// no file left behind, when it could not be written whole.
bool WriteReportFile(cPdfDocument& pdf, const cModelDoc& document, const std::string& path);

// The report's printed pages as a PDF file, drawn from the print font's metrics through the
// print cycle: the pages of File, Print, without Qt.
PdfReportOutcome WriteReportPdf(cModelDoc& document, const PrintFontMetrics& font,
                                const std::string& path, const std::tm& jobTime);

}  // namespace korval
