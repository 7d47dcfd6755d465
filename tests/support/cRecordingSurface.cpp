#include "tests/support/cRecordingSurface.h"

namespace korval::testing {

int cRecordingSurface::DrawText(std::string_view text, const SurfaceRect& rect, unsigned flags) {
    int lines = 1;
    for (char c : text) {
        if (c == '\n') ++lines;
    }
    if (flags & TextFlags::kMeasureOnly) {
        ++measured;
    } else {
        drawn.push_back({std::string(text), rect, flags});
    }
    return lines * lineHeight;
}

std::vector<std::string> cRecordingSurface::Texts() const {
    std::vector<std::string> texts;
    for (const Drawn& item : drawn) texts.push_back(item.text);
    return texts;
}

}  // namespace korval::testing
