#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "calibration/Calibration.h"
#include "framework/cReportLayout.h"
#include "framework/cReportSurface.h"

namespace korval {

// The print cycle of the calibration report, as cReportPrinter's of a document: laid out
// once on the printer surface, then each page with its header (product and report title),
// the rows laid out on it and its footer (history file, page number, job time).
class cCalibrationReportPrinter {
  public:
    cCalibrationReportPrinter(const Calibration& calibration, cReportSurface& surface);

    // Lays the report out; returns the last page number.
    int BeginPrinting(const std::tm& jobTime);
    void PrintPage(int page);

  private:
    const Calibration& calibration_;
    cReportSurface& surface_;
    std::string jobTime_;
    std::optional<cReportLayout> layout_;
};

}  // namespace korval
