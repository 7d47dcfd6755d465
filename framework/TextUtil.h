#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Small text and path helpers shared by the profile store, the documents and the reports.
// "Characters" are UTF-8 code points: limits never split a multi-byte sequence.
namespace korval {

std::string Trim(std::string_view text);
// Without the blanks (spaces and tabs) at either end, as INI names and values are read.
std::string_view TrimBlanks(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
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
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// The part of a path after its last '/' or '\'.
std::string FileNameOf(std::string_view path);
// The folder of a path ("/" for a file in the root, empty when the path names no folder).
std::filesystem::path FolderOf(const std::filesystem::path& path);

}  // namespace korval
