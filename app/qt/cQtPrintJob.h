#pragma once

#include <QString>
#include <ctime>

class QPrinter;

namespace korval {

class cModelDoc;

// The one print path of the program: Print, Print Preview and PDF output all lay the
// report out through the document's print cycle on a printer surface, page by page
// (cQtPagedReport); this adds what a printer brings: its page range and document name.
class cQtPrintJob {
  public:
    cQtPrintJob(cModelDoc& document, const std::tm& jobTime);

    // Prints the pages the printer asks for (all of them unless a range is set).
    // Returns the number of pages printed; 0 when the printer could not be started.
    int Run(QPrinter& printer);
    // The page count the measuring pass announced in the last run.
    int LastPage() const { return lastPage_; }

    // A printer that writes a PDF file: high resolution, the paper's edges as printable
    // area (the report keeps its own margins).
    static void SetUpPdfPrinter(QPrinter& printer, const QString& path);

  private:
    cModelDoc& document_;
    std::tm jobTime_;
    int lastPage_ = 0;
};

}  // namespace korval
