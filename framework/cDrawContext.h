#pragma once

#include <optional>

#include "framework/PageMetrics.h"
#include "framework/cReportSurface.h"

namespace korval {

// One layout pass of a report: the surface, its metrics and, when a printed page is
// being drawn, that page's number (counted from 1). Measuring passes and screen passes
// have no page.
struct cDrawContext {
    cReportSurface& surface;
    PageMetrics metrics;
    std::optional<int> page;
    // A measuring pass: rows are laid out and counted, nothing is drawn.
    bool measureOnly = false;

    explicit cDrawContext(cReportSurface& s, std::optional<int> printPage = std::nullopt)
        : surface(s), metrics(PageMetrics::Compute(s)), page(printPage) {}
};

}  // namespace korval
