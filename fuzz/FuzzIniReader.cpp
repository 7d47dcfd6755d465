#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/cIniFile.h"
#include "fuzz/FuzzTargets.h"

namespace korval::fuzz {

namespace {

// Names taken from the input's first lines, so lookups and changes also reach sections and
// keys the input really has.
std::string_view NameFrom(std::string_view content, std::size_t line) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < line && begin < content.size(); ++i) {
        std::size_t end = content.find('\n', begin);
        begin = end == std::string_view::npos ? content.size() : end + 1;
    }
    std::string_view text = content.substr(begin, content.find('\n', begin) - begin);
    if (!text.empty() && text.front() == '[') text.remove_prefix(1);
    return text.substr(0, text.find_first_of("]="));
}

// The names the program writes are constants that read back as themselves: no line break,
// no ']' in a section name, and a key that neither holds '=' nor starts like a header or a
// comment. Other names are looked up only.
bool IsWritableName(std::string_view name, bool isKey) {
    std::size_t first = name.find_first_not_of(" \t");
    if (name.find_first_of(isKey ? "\r\n=" : "\r\n]") != std::string_view::npos) return false;
    return !isKey || first == std::string_view::npos || (name[first] != '[' && name[first] != ';');
}

}  // namespace

int FuzzIniReader(const std::uint8_t* data, std::size_t size) {
    std::string_view content(reinterpret_cast<const char*>(data), size);
    std::string_view section = NameFrom(content, 0);
    std::string_view key = NameFrom(content, 1);
    cIniFile ini = cIniFile::Parse(std::string(content));
    (void)ini.Find(section, key);
    (void)ini.Find("KORVAL", "KORVAL_Type");
    (void)ini.HasSection(section);
    if (IsWritableName(section, false) && IsWritableName(key, true))
        ini.Set(section, key, "changed");
    ini.Set("KORVAL", "Version", "4.1");
    ini.Set("Added", "Key", "1");
    // What was written reads back from the written text.
    cIniFile reread = cIniFile::Parse(ini.Serialize());
    if (reread.Find("KORVAL", "Version") != "4.1" || reread.Find("Added", "Key") != "1")
        std::abort();
    return 0;
}

}  // namespace korval::fuzz
