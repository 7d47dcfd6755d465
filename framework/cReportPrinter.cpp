#include "framework/cReportPrinter.h"

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cModelDoc.h"

namespace korval {

cReportPrinter::cReportPrinter(cModelDoc& document, cReportSurface& surface)
    : document_(document), surface_(surface) {}

int cReportPrinter::BeginPrinting(const std::tm& jobTime) {
    jobTime_ = FormatJobTime(jobTime);
    layout_ = document_.LayOutReport(surface_);
    lastPage_ = layout_->PageCount();
    return lastPage_;
}

void cReportPrinter::PrintPage(int page) {
    if (!layout_) layout_ = document_.LayOutReport(surface_);
    const PageMetrics& metrics = layout_->Metrics();
    document_.DrawPageHeader(surface_, metrics, kProductName, "", document_.KindInfo().reportTitle);
    layout_->DrawPage(surface_, page);
    document_.DrawPageFooter(surface_, metrics, FooterFileName(document_), std::to_string(page),
                             jobTime_);
}

std::string cReportPrinter::FooterFileName(const cModelDoc& document) {
    std::string name;
    if (!document.GetPathName().empty()) {
        name = FileNameOf(document.GetPathName());
    } else {
        name = document.GetDocumentTitle().empty() ? std::string("Untitled")
                                                   : document.GetDocumentTitle();
        name += document.KindInfo().defaultExtension;
    }
    return ToUpperAscii(name);
}

std::string cReportPrinter::FormatJobTime(const std::tm& time) {
    // Spelled out rather than strftime: the AM/PM marker must not follow the user's locale.
    int hour12 = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
    return FormatNumber("%02d/%02d/%04d %02d:%02d%s", time.tm_mon + 1, time.tm_mday,
                        time.tm_year + 1900, hour12, time.tm_min, time.tm_hour < 12 ? "AM" : "PM");
}

}  // namespace korval
