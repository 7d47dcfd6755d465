#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "framework/cReportLayout.h"

namespace korval {

class cModelDoc;
class cReportSurface;

// The print cycle shared by printing, print preview and PDF output: the report is laid
// out once, which announces the page count; then each page gets its header, the rows laid
// out on it and its footer.
class cReportPrinter {
  public:
    cReportPrinter(cModelDoc& document, cReportSurface& surface);

    // Lays the report out; returns the last page number.
    int BeginPrinting(const std::tm& jobTime);
    void PrintPage(int page);
    int LastPage() const { return lastPage_; }

    // The footer's file name: the file name of the path, or the document title (or
    // "Untitled") with the kind's extension, in upper case.
    static std::string FooterFileName(const cModelDoc& document);
    // "%m/%d/%Y %I:%M%p".
    static std::string FormatJobTime(const std::tm& time);

  private:
    cModelDoc& document_;
    cReportSurface& surface_;
    std::string jobTime_;
    std::optional<cReportLayout> layout_;
    int lastPage_ = 0;
};

}  // namespace korval
