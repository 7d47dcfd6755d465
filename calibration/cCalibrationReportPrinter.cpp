#include "calibration/cCalibrationReportPrinter.h"

#include "calibration/CalibrationReport.h"
#include "framework/ProfileAccess.h"
#include "framework/ReportRows.h"
#include "framework/TextUtil.h"
#include "framework/cReportPrinter.h"

namespace korval {

cCalibrationReportPrinter::cCalibrationReportPrinter(const Calibration& calibration,
                                                     cReportSurface& surface)
    : calibration_(calibration), surface_(surface) {}

int cCalibrationReportPrinter::BeginPrinting(const std::tm& jobTime) {
    jobTime_ = cReportPrinter::FormatJobTime(jobTime);
    layout_ = LayOutCalibrationReport(calibration_, surface_);
    return layout_->PageCount();
}

void cCalibrationReportPrinter::PrintPage(int page) {
    if (!layout_) layout_ = LayOutCalibrationReport(calibration_, surface_);
    const PageMetrics& metrics = layout_->Metrics();
    DrawPageHeaderBand(surface_, metrics, kProductName, "", kCalibrationReportTitle);
    layout_->DrawPage(surface_, page);
    DrawPageFooterBand(surface_, metrics, ToUpperAscii(FileNameOf(calibration_.history.path)),
                       std::to_string(page), jobTime_);
}

}  // namespace korval
