#include "app/qt/IconMasks.h"

#include "app/qt/IconMaskTable.h"

namespace korval {

const unsigned char* IconMask(std::string_view name, int side) {
    for (const cIconMaskEntry& entry : IconMaskEntries()) {
        if (entry.side == side && name == entry.name) return entry.coverage;
    }
    return nullptr;
}

}  // namespace korval
