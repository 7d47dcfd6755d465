#include "framework/cLineNameTable.h"

#include "framework/TextUtil.h"

namespace korval {

cLineNameTable::cLineNameTable(NameOf nameOf, std::size_t lineCount)
    // At most four lines in five slots: probes stay short, and no table ever grows.
    : nameOf_(nameOf), slots_(lineCount + lineCount / 4 + 1, 0) {}

// The slot holding the line of that name, or the free slot where it belongs.
std::size_t cLineNameTable::SlotOf(std::string_view text, std::string_view name) const {
    std::size_t slot = HashNoCase(name) % slots_.size();
    while (slots_[slot] != 0 && !EqualsNoCase(nameOf_(text, slots_[slot] - 1), name)) {
        slot = slot + 1 == slots_.size() ? 0 : slot + 1;
    }
    return slot;
}

void cLineNameTable::Add(std::string_view text, std::uint32_t offset) {
    std::string_view name = nameOf_(text, offset);
    std::uint32_t& entry = name.empty() ? unnamed_ : slots_[SlotOf(text, name)];
    if (entry == 0) entry = offset + 1;
}

std::optional<std::uint32_t> cLineNameTable::Find(std::string_view text,
                                                  std::string_view name) const {
    if (slots_.empty()) return std::nullopt;
    std::uint32_t entry = name.empty() ? unnamed_ : slots_[SlotOf(text, name)];
    if (entry == 0) return std::nullopt;
    return entry - 1;
}

}  // namespace korval
