#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "rayleigh/cApplicationType.h"

namespace korval {

// The ordered application types of one Rayleigh document. Entries are owned values: a
// copy of the list never shares an entry's productivity with the original.
class cApplicationTypeList {
  public:
    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }

    // May throw std::bad_alloc; the caller reports it.
    void Append(const cApplicationType& entry) { entries_.push_back(entry); }
    // The entry at the index, taken out of the list; nothing when the index is outside it.
    std::optional<cApplicationType> RemoveAt(int index);
    // The entry at the index; nullptr when the index is outside 0..Count()-1.
    const cApplicationType* At(int index) const;
    cApplicationType* At(int index);
    // Exact, case-sensitive match; -1 for an empty name, an empty list or no match.
    int FindApplicationType(std::string_view name) const;
    void ClearApplicationTypes() { entries_.clear(); }

    std::vector<cApplicationType>::const_iterator begin() const { return entries_.begin(); }
    std::vector<cApplicationType>::const_iterator end() const { return entries_.end(); }

  private:
    bool Contains(int index) const { return index >= 0 && index < Count(); }

    std::vector<cApplicationType> entries_;
};

}  // namespace korval
