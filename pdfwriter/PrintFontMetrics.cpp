#include "pdfwriter/PrintFontMetrics.h"

#include <algorithm>

namespace korval {

std::int32_t PrintFontMetrics::Width64(std::string_view line) const {
    std::int32_t width = 0;
    for (char c : line) width += AdvanceOf(c);
    return width;
}

bool IsPlainLine(std::string_view text, unsigned flags) {
    if (text.empty() || (flags & TextFlags::kWordBreak)) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

}  // namespace korval
