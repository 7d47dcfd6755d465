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

  private:
    cOffscreenApplication application_;
    int pages_ = 0;
};

}  // namespace korval
