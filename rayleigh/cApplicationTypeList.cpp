#include "rayleigh/cApplicationTypeList.h"

namespace korval {

std::optional<cApplicationType> cApplicationTypeList::RemoveAt(int index) {
    if (!Contains(index)) return std::nullopt;
    cApplicationType entry = std::move(entries_[static_cast<std::size_t>(index)]);
    entries_.erase(entries_.begin() + index);
    return entry;
}

const cApplicationType* cApplicationTypeList::At(int index) const {
    return Contains(index) ? &entries_[static_cast<std::size_t>(index)] : nullptr;
}

cApplicationType* cApplicationTypeList::At(int index) {
    return Contains(index) ? &entries_[static_cast<std::size_t>(index)] : nullptr;
}

int cApplicationTypeList::FindApplicationType(std::string_view name) const {
    if (name.empty()) return -1;
    for (int i = 0; i < Count(); ++i) {
        if (entries_[static_cast<std::size_t>(i)].Name() == name) return i;
    }
    return -1;
}

}  // namespace korval
