#include "pdfwriter/PrintFontMetrics.h"

#include <algorithm>
#include <cctype>

namespace korval {

std::int32_t PrintFontMetrics::Width64(std::string_view line) const {
    std::int32_t width = 0;
    for (char c : line) width += AdvanceOf(c);
    return width;
}

bool PrintFontMetrics::IsSound() const {
    const bool advancesSound =
        std::all_of(advances.begin(), advances.end(),
                    [](std::int32_t advance) { return advance >= 0 && advance < (1 << 20); });
    const bool heightsSound = std::all_of(wrappedHeights.begin(), wrappedHeights.end(),
                                          [](int height) { return height > 0; });
    return pixelSize > 0 && dpiX > 0 && dpiY > 0 && deviceWidth > 0 && deviceHeight > 0 &&
           pageWidthPoints > 0 && pageHeightPoints > 0 && text.height > 0 && plainLineHeight > 0 &&
           emptyTextHeight >= 0 && emptyWrappedTextHeight >= 0 && largestOverhang >= 0 &&
           !wrappedHeights.empty() && wrappedBaselines.size() == wrappedHeights.size() &&
           advancesSound && heightsSound &&
           std::all_of(breaksWithin.begin(), breaksWithin.end(),
                       [](const std::string& table) { return table.size() == kCount * kCount; }) &&
           breaksAfterSpaces.size() == kCount * kCount && tables.CanEmbed();
}

PrintFontMetrics::WordContext PrintFontMetrics::ContextOf(const char* before) {
    if (before == nullptr) return kWordStart;
    if (std::isdigit(static_cast<unsigned char>(*before))) return kAfterDigit;
    if (std::isalpha(static_cast<unsigned char>(*before))) return kAfterLetter;
    return kAfterOther;
}

bool IsPlainLine(std::string_view text, unsigned flags) {
    if (text.empty() || (flags & TextFlags::kWordBreak)) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

}  // namespace korval
