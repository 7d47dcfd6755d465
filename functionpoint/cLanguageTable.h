#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "functionpoint/cLanguage.h"

namespace korval {

// An ordered list of languages in insertion order. Every load puts "None" (multiplier 0)
// first; it is never written to a file. Names compare without regard to letter case.
class cLanguageTable {
  public:
    static constexpr std::string_view kNoneName = "None";

    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }
    const cLanguage& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    cLanguage& At(int index) { return entries_.at(static_cast<std::size_t>(index)); }
    const std::vector<cLanguage>& Entries() const { return entries_; }
    std::vector<std::string> Names() const;
    // The names as a sorted list box shows them: alphabetical without regard to letter case.
    std::vector<std::string> SortedNames() const;

    // Appends an entry; an empty name or a negative multiplier is refused, as is an entry
    // the memory cannot hold.
    bool AddLanguage(const std::string& name, int multiplier);
    // Removes the first entry of that name; false when there is none.
    bool RemoveLanguage(std::string_view name);
    void Clear() { entries_.clear(); }
    // Clears the table and puts "None" in as its only entry.
    void ResetToNone();

    // Index of the first entry of that name in any letter case, or -1.
    int FindLanguage(std::string_view name) const;
    // Index of the first entry with exactly that name, or -1.
    int FindExactName(std::string_view name) const;

    bool operator==(const cLanguageTable&) const = default;

  private:
    std::vector<cLanguage> entries_;
};

// True when the name is "None" in any letter case.
bool IsNoneLanguageName(std::string_view name);

}  // namespace korval
