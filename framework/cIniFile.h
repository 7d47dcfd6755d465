#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "framework/cLineNameTable.h"

namespace korval {

// One INI text file held in memory, read the way the Windows private-profile
// functions read it and written back with every byte it did not change kept:
// names match without regard to ASCII case, blanks around names and values are
// dropped, one pair of quotes around a value goes, ';' starts a comment line and the
// first of duplicated sections or keys wins. Line ends (CR LF or LF) are kept per line.
//
// The text is kept as read, and changes are kept beside it until Serialize: a file costs
// its size plus a few bytes per section header, and the keys of a section are indexed
// only once the section is used. Changes cost in proportion to what they change, so
// writing every key of a large file anew stays linear. Files are held below 4 GiB (the
// profile store refuses far smaller ones).
class cIniFile {
  public:
    static cIniFile Parse(std::string content);

    // The value as stored in the line: valid until the file is next changed.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

    // Replaces the value in place, or appends the key after the last key of its section,
    // or appends the section at the end of the file. Names are taken as given: a section
    // name holds no ']' and no line break, a key holds no '=' or line break and does not
    // start like a header or a comment ('[', ';'), or the line would not read back as it.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Drops the key's line; nothing happens when the key is missing.
    void Erase(std::string_view section, std::string_view key);

    // Names as written, in file order, the first of duplicates only: what Find can reach.
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    std::string Serialize() const;

  private:
    // Names compare without regard to ASCII case; lookups by string_view allocate nothing.
    struct NoCaseHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept;
    };
    struct NoCaseEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const noexcept;
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual>;

    static constexpr std::uint32_t kNoHeader = UINT32_MAX;

    struct AddedLine {
        std::string text;
        std::size_t keyLength;  // the key as first written, for rewriting
    };
    // A section that was read or written: its keys in the text, and what changed.
    struct Section {
        std::uint32_t header = kNoHeader;  // offset of the header line; none for a new section
        std::string name;                  // new sections only
        cLineNameTable keys;               // key lines in the text
        std::size_t insertAt = 0;          // new keys go here: after the last key line
        std::unordered_map<std::uint32_t, std::string> replaced;  // key line -> its new text
        std::unordered_set<std::uint32_t> erased;                 // key lines dropped
        std::vector<AddedLine> added;
        NameIndex addedKeys;  // key -> index in added
    };

    Section* FindSection(std::string_view name) const;
    Section* OpenSection(std::uint32_t header) const;
    Section& AppendSection(std::string_view name);
    std::string_view LineText(std::size_t offset) const;
    // The key's line in the text, unless the key was added since or its line was erased.
    std::optional<std::uint32_t> KeyLineOf(const Section& section, std::string_view key) const;
    void AppendChanges(const Section& section, std::string& out) const;
    void EndLastLine(std::string& out) const;

    std::string content_;
    cLineNameTable headers_;  // the first header line of each section name
    mutable std::vector<std::unique_ptr<Section>> opened_;
    mutable std::unordered_map<std::uint32_t, Section*> openedByHeader_;
    std::vector<Section*> appended_;  // new sections, in file order
    NameIndex appendedIndex_;         // name -> index in appended_
    // Readers go through a section key by key: the section found last is tried first.
    mutable Section* lastSection_ = nullptr;
    mutable std::string lastSectionName_;
    std::string newline_ = "\r\n";
};

}  // namespace korval
