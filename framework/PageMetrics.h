#pragma once

#include "framework/cReportSurface.h"

namespace korval {

// Where report rows go on one surface, in device units.
struct PageMetrics {
    bool paged = false;  // printer pages: rows never straddle a page break
    int pageHeight = 0;
    int pageWidth = 0;
    int topMargin = 0;
    int leftMargin = 0;
    int rightEdge = 0;
    int bottomEdge = 0;
    int bodyHeight = 0;
    int bodyWidth = 0;
    TextMetrics text;
    TextMetrics outputText;
    int columnUnit = 0;
    int column[4] = {0, 0, 0, 0};
    int columnStep = 0;

    static PageMetrics Compute(const cReportSurface& surface);
    bool operator==(const PageMetrics&) const = default;
};

}  // namespace korval
