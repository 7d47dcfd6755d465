#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Small text and path helpers shared by the profile store, the documents and the reports.
// "Characters" are UTF-8 code points: limits never split a multi-byte sequence.
namespace korval {

std::string Trim(std::string_view text);
// Without the blanks (spaces and tabs) at either end, as INI names and values are read.
// Inline, as EqualsNoCase: INI readers call both for every line and every lookup.
inline std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(begin, end - begin);
}
// Equal but for ASCII letter case, for texts of one length that differ in their bytes.
bool EqualsFoldingCase(std::string_view a, std::string_view b);
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    // Names are nearly always spelled as written.
    return a.size() == b.size() && (a == b || EqualsFoldingCase(a, b));
}
// A hash that is equal for names equal without regard to ASCII case.
std::size_t HashNoCase(std::string_view text);
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
std::size_t CountChars(std::string_view text);
// The longest prefix of at most maxChars code points.
std::string CutToChars(std::string_view text, std::size_t maxChars);
// Text kept by a caller's buffer of bufferSize characters including the terminating NUL.
std::string CutToBuffer(std::string_view text, std::size_t bufferSize);
// Text fit for a report or an export: every line break (CR LF, a lone CR or LF) becomes
// LF, and every other control character (C0 but the tab, DEL, C1) goes. Tabs stay for the
// report surfaces to expand.
std::string PrintableText(std::string_view text);
// Whether PrintableText would give the text back unchanged, found without a copy (most
// texts are). It may say no of a text that would stay as it is (any C2 byte counts as the
// lead of a C1 control), never yes of one that would change.
bool IsPrintableAsItIs(std::string_view text);
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// The part of a path after its last '/' or '\'.
std::string FileNameOf(std::string_view path);
// The folder of a path ("/" for a file in the root, empty when the path names no folder).
std::filesystem::path FolderOf(const std::filesystem::path& path);

}  // namespace korval
