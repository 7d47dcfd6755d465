#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The value accessors every document reads and writes its INI files through.
namespace korval {

class cPlatformServices;

// Seven characters that stand for one line break inside a stored value.
inline constexpr std::string_view kEnterToken = "<ENTER>";

// Every line break (CR LF, a lone CR, a lone LF) becomes the token: a raw line break
// never reaches a file, where it could start a section or key of its own.
std::string EncodeLineBreaks(std::string_view text);
// Every token becomes CR LF.
std::string DecodeLineBreaks(std::string_view text);

// The decoded value, cut to bufferSize - 1 characters before decoding; the default text
// when the key, its section or the file is missing.
std::string ReadProfileValue(std::string_view section, std::string_view key,
                             std::string_view defaultText, std::size_t bufferSize,
                             const std::string& path);
// Encodes line breaks and writes the value; true when written.
[[nodiscard]] bool WriteProfileValue(std::string_view section, std::string_view key,
                                     std::string_view text, const std::string& path);

// The plain read and write used for tables: no token coding on reading.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultText, std::size_t bufferSize,
                              const std::string& path);
[[nodiscard]] bool WriteProfileString(std::string_view section, std::string_view key,
                                      std::string_view text, const std::string& path);

// The key of a numbered entry: the stem and the index in at least two digits, as "%2.2d"
// writes it ("Project_00", "File_Name12"). Tables with hundreds of rows build many of these.
std::string IndexedKey(std::string_view stem, int index);

// Why the last write failed, for the message the user sees.
std::string LastProfileError();

std::string GetProductVersion();
std::string GetProductCopyright();
// The product's long name, shown in page headers and the About box.
inline constexpr std::string_view kProductName = "Korval";

[[nodiscard]] bool WriteFileVersion(const std::string& path);
// Warns when the file's [KORVAL] Version is missing or differs from the product's; the
// caller always goes on.
bool CheckFileVersion(const std::string& path, cPlatformServices& platform);
// Why the file cannot be a Korval document because of its size (naming the file and its
// size), or empty when its size is fine or it does not exist.
std::string DocumentSizeProblem(const std::string& path);
// The same for a regular file of that size, already looked at.
std::string DocumentSizeProblem(const std::string& path, std::uintmax_t size);
// True when the path ends in ".PRJ" in any letter case.
bool IsProjectFilePath(std::string_view path);

}  // namespace korval
