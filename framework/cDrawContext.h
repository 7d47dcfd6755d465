#pragma once

#include "framework/PageMetrics.h"
#include "framework/cReportLayout.h"
#include "framework/cReportSurface.h"

namespace korval {

// One layout pass of a report: the surface that measures the text, its metrics, and the
// layout the row primitives place each row into. Nothing is drawn during the pass; the
// layout is drawn afterwards, whole, page by page or in part.
struct cDrawContext {
    cReportSurface& surface;
    PageMetrics metrics;
    cReportLayout layout;

    explicit cDrawContext(cReportSurface& s)
        : surface(s), metrics(PageMetrics::Compute(s)), layout(metrics) {}
};

}  // namespace korval
