#include "framework/cReportSurface.h"

#include "framework/TextUtil.h"

namespace korval {

int cReportSurface::TextWidth(std::string_view text) const {
    return static_cast<int>(CountChars(text)) * GetTextMetrics().aveCharWidth;
}

}  // namespace korval
