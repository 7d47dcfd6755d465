#pragma once

#include <memory>
#include <string>

#include "framework/cReportSurface.h"

namespace korval {

class cChartPicture;

// One placed piece of a laid-out report: what it shows, where and on which printed page.
// An item is a cell of a text row or a chart block, which is drawn from its picture.
struct cReportItem {
    enum class Kind { kText, kChart };

    Kind kind = Kind::kText;
    // The printed page the item lies on, counted from 1; 1 on surfaces without pages.
    int page = 1;
    // What the item covers, in report coordinates (printed pages stacked one below the
    // other): left edge, top, the right edge it may use, and the bottom of its last line.
    SurfaceRect box;
    // Text items: the text and its placement flags.
    unsigned flags = TextFlags::kBase;
    std::string text;
    // Chart items: the chart laid out in the box, shared by the layout's copies.
    std::shared_ptr<const cChartPicture> chart;
};

}  // namespace korval
