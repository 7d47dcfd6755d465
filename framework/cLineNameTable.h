#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace korval {

// Lines of one text found by the name each carries (a section's name in its header, a
// key's name before '='), without copying a name: a table of the lines' offsets, four
// bytes a slot, sized once for the lines it may be given. A file of millions of tiny
// sections or keys so costs a few bytes per line on top of its text. Names compare without
// regard to ASCII case; the first line given a name keeps it.
class cLineNameTable {
  public:
    // The name of the line starting at offset in text.
    using NameOf = std::string_view (*)(std::string_view text, std::uint32_t offset);

    cLineNameTable() = default;
    // Room for up to lineCount lines with a name that is not empty (those need no slot).
    cLineNameTable(NameOf nameOf, std::size_t lineCount);

    // Adds the line unless a line of the same name is there already.
    void Add(std::string_view text, std::uint32_t offset);
    std::optional<std::uint32_t> Find(std::string_view text, std::string_view name) const;

  private:
    std::size_t SlotOf(std::string_view text, std::string_view name) const;

    NameOf nameOf_ = nullptr;
    std::vector<std::uint32_t> slots_;  // offset + 1 of a line; 0 for a free slot
    std::uint32_t unnamed_ = 0;         // offset + 1 of the first line with an empty name
};

}  // namespace korval
