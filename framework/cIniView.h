#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korval {

class cReadOnlyFile;

// A read-only INI file that is only read: its bytes kept once, names and values found as
// views into them through one flat index, names compared without regard to ASCII case and
// without lower-case copies. It reads exactly as cIniFile does (blanks around names and
// values dropped, one pair of quotes around a value gone, ';' comment lines, the first of
// duplicated sections or keys wins, CR LF or LF), at a fraction of the cost: a system's
// member projects, hundreds of files each read once, are read through it.
class cIniView {
  public:
    static cIniView Parse(std::string content);
    // An empty view when the file cannot be read.
    static cIniView Read(const std::string& path);
    // Reads the file at path in place of what the view held, in the buffers it already has:
    // a view read again for file after file allocates about once. Empty when unreadable.
    void Reread(const std::string& path);
    void Reread(cReadOnlyFile& file);
    // What the view keeps allocated, in bytes.
    std::size_t Footprint() const;

    // The value as stored: valid as long as the view.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // The bytes of the section as the file holds them, from the line after its (first)
    // header up to the next header: every key read from the section depends on these alone.
    std::optional<std::string_view> SectionText(std::string_view section) const;

  private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    struct Key {
        std::uint32_t section;  // the header it stands under, by its place in the file
        Span name;
        Span value;
    };

    void IndexHeaders();
    void IndexSection(std::uint32_t header) const;
    void MakeRoomForKeys(std::size_t indexed, std::size_t count) const;
    bool InsertKey(std::size_t index, std::uint32_t slotValue) const;
    std::optional<std::uint32_t> SectionOf(std::string_view name) const;
    std::string_view Text(Span span) const { return {bytes_.data() + span.offset, span.length}; }
    Span SpanOf(std::string_view part) const {
        return {static_cast<std::uint32_t>(part.data() - bytes_.data()),
                static_cast<std::uint32_t>(part.size())};
    }

    std::string bytes_;
    std::vector<Span> headers_;               // every section header's name, in file order
    std::vector<Span> bodies_;                // the lines under each header
    std::vector<std::uint32_t> headerSlots_;  // open addressing over the first header of each name
    // A section's keys are indexed the first time it is read: a table that is shared (see
    // cSectionMemo) is never read key by key, and most of a member's lines are tables.
    mutable std::vector<std::uint8_t> indexed_;
    mutable std::vector<Key> keys_;             // the first key of each name in each section
    mutable std::vector<std::uint32_t> slots_;  // open addressing over keys_: index + 1, 0 free
    // Readers go through a section key by key: the section found last is tried first, and
    // the key after the one found last.
    mutable std::optional<std::uint32_t> lastSection_;
    mutable std::size_t nextKey_ = 0;
};

}  // namespace korval
