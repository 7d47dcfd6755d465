#pragma once

#include <string>

#include "framework/cReportSurface.h"

namespace korval {

// One placed piece of a laid-out report: what it shows, where and on which printed page.
// Today every item is a cell of a text row; other kinds of items (a chart, a rule) take
// their place in the same layout with a kind of their own.
struct cReportItem {
    enum class Kind { kText };

    Kind kind = Kind::kText;
    // The printed page the item lies on, counted from 1; 1 on surfaces without pages.
    int page = 1;
    // What the item covers, in report coordinates (printed pages stacked one below the
    // other): left edge, top, the right edge it may use, and the bottom of its last line.
    SurfaceRect box;
    // Text items: the text and its placement flags.
    unsigned flags = TextFlags::kBase;
    std::string text;
};

}  // namespace korval
