#include "framework/cReportSurface.h"

#include "framework/TextUtil.h"

namespace korval {

int AlignedAtPoint(int x, int width, unsigned flags) {
    switch (flags & TextFlags::kAlignMask) {
        case TextFlags::kCenter:
            return x - width / 2;
        case TextFlags::kRight:
            return x - width;
        default:
            return x;
    }
}

double AlignedInBox(double left, int boxWidth, double width, unsigned flags) {
    switch (flags & TextFlags::kAlignMask) {
        case TextFlags::kCenter:
            return left + (boxWidth - width) / 2;
        case TextFlags::kRight:
            return left + (boxWidth - width);
        default:
            return left;
    }
}

int cReportSurface::TextWidth(std::string_view text) const {
    return static_cast<int>(CountChars(text)) * GetTextMetrics().aveCharWidth;
}

}  // namespace korval
