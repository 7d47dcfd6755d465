#pragma once

#include <ctime>
#include <string>

#include "app/qt/cOffscreenApplication.h"

namespace korval {

class cModelDoc;

// The printed pages of a report as a PDF file, without a display: used by korval-cli.
// When the process has no Qt application yet, one is started on the offscreen platform
// for the writer's lifetime.
class cPdfReportWriter {
  public:
    // False, with the reason in error, when the file could not be written.
    bool Write(cModelDoc& document, const std::string& path, const std::tm& jobTime,
               std::string& error);
    int PagesWritten() const { return pages_; }

    // Finds and opens the print font at the resolution of PDF pages and makes its glyph
    // table: a process that starts Qt for one report does it while the report is read.
    // Needs a Qt application.
    static void LoadFonts();

  private:
    cOffscreenApplication application_;
    int pages_ = 0;
};

}  // namespace korval
