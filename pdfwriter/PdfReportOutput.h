#pragma once

#include <ctime>
#include <string>

#include "pdfwriter/PrintFontMetrics.h"

namespace korval {

class cModelDoc;

enum class PdfReportResult {
    kWritten,
    kNeedsTextLayout,  // a text only Qt's layout can measure: nothing was written
    kCannotWrite,
};

struct PdfReportOutcome {
    PdfReportResult result = PdfReportResult::kCannotWrite;
    int pages = 0;
};

// The report's printed pages as a PDF file, drawn from the print font's metrics through the
// print cycle: the pages of File, Print, without Qt.
PdfReportOutcome WriteReportPdf(cModelDoc& document, const PrintFontMetrics& font,
                                const std::string& path, const std::tm& jobTime);

}  // namespace korval
