#pragma once

#include <ctime>

class QPagedPaintDevice;
class QPdfWriter;

namespace korval {

class cModelDoc;

// A document's report printed page by page onto a paged device through the print cycle
// (cReportPrinter): the pages of File, Print, Print Preview and PDF output. It needs Qt Gui
// alone, so the PDF renderer prints without loading Qt's widgets or print support.
class cQtPagedReport {
  public:
    cQtPagedReport(cModelDoc& document, const std::tm& jobTime);

    // Pages first to last (-1: to the end); the number of pages printed, 0 when the device
    // could not be painted on.
    int Run(QPagedPaintDevice& device, int first, int last);
    // Every page into a PDF writer, titled with the footer's file name unless it has a title.
    int Run(QPdfWriter& writer);
    // The page count the measuring pass announced in the last run.
    int LastPage() const { return lastPage_; }

    static constexpr int kPdfResolution = 1200;
    // The page setup of PDF output: A4, 1200 dots per inch, no margins (the report keeps
    // its own).
    static void SetUpPdfWriter(QPdfWriter& writer);

  private:
    cModelDoc& document_;
    std::tm jobTime_;
    int lastPage_ = 0;
};

}  // namespace korval
