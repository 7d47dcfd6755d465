#pragma once

#include <string>

#include "app/qt/cOffscreenApplication.h"

namespace korval {

class cModelDoc;

// The charts of a document's report as one SVG or PNG image: each chart under its heading,
// one below the other, laid out by the report exactly as printed, black on white. Used
// by korval-cli (through the desktop program); starts an offscreen Qt application when the
// process has none.
class cChartImageWriter {
  public:
    enum class Format { kSvg, kPng };

    // False, with the reason in error, when the report has no chart or the file could
    // not be written.
    bool Write(cModelDoc& document, const std::string& path, Format format, std::string& error);
    int ChartsWritten() const { return charts_; }

  private:
    cOffscreenApplication application_;
    int charts_ = 0;
};

}  // namespace korval
