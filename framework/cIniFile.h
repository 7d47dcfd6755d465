#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korval {

// One INI text file held in memory, read the way the Windows private-profile
// functions read it and written back with every byte it did not change kept:
// names match without regard to ASCII case, blanks around names and values are
// dropped, one pair of quotes around a value goes, ';' starts a comment line and the
// first of duplicated sections or keys wins. Line ends (CR LF or LF) are kept per line.
class cIniFile {
  public:
    static cIniFile Parse(std::string_view content);

    // The value as stored in the line: valid until the file is next changed.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

    // Replaces the value in place, or appends the key after the last key of its section,
    // or appends the section at the end of the file.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Drops the key's line; nothing happens when the key is missing.
    void Erase(std::string_view section, std::string_view key);

    // Names as written, in file order, the first of duplicates only: what Find can reach.
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    std::string Serialize() const;
    std::size_t LineCount() const;

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

    struct Line {
        std::string text;
        std::string ending;
        std::size_t keyLength = 0;  // key lines: the trimmed key as written, for rewriting
        std::size_t keyOffset = 0;
    };
    struct Section {
        Line header;
        std::vector<Line> body;
        NameIndex keys;                      // key -> body index
        std::size_t lastKeyLine = SIZE_MAX;  // body index of the last key line
    };

    void AddLine(std::string_view text, std::string_view ending);
    const Section* FindSection(std::string_view name) const;
    Section& AppendSection(std::string_view name);
    void EnsureLastLineEnded();
    static std::string_view KeyOf(const Line& line);
    static void IndexKeys(Section& section);
    static std::string_view ValueOf(const Line& line);

    std::vector<Line> preamble_;
    std::vector<Section> sections_;
    NameIndex sectionIndex_;  // name -> first section of that name
    // Readers go through a section key by key: the section found last is tried first.
    mutable std::size_t lastSection_ = SIZE_MAX;
    mutable std::string lastSectionName_;
    std::string newline_ = "\r\n";
};

}  // namespace korval
