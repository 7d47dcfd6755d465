#pragma once

#include <span>

// The table the build writes (IconMaskData.cpp, by korval_render_icon_masks); IconMask()
// looks in it.
namespace korval {

struct cIconMaskEntry {
    const char* name;
    int side;
    const unsigned char* coverage;
};

std::span<const cIconMaskEntry> IconMaskEntries();

}  // namespace korval
