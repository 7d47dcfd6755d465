#pragma once

#include <string>
#include <string_view>

// The small pieces of PDF syntax that every part of a written PDF file shares.
namespace korval::pdf {

// A number as PDF writes it: at most so many decimals (three: a thousandth of a device
// unit or of an em), no exponent, no "-0".
void AppendNumber(std::string& out, double value, int decimals = 3);
// One code point in UTF-16BE, in hexadecimal (four digits, or eight for a surrogate pair).
void AppendUtf16Hex(std::string& out, char32_t code);
// The text as a PDF text string: UTF-16BE with its byte order mark, in hexadecimal.
std::string TextString(std::string_view utf8);
// How hard zlib works: pages of text operators compress nearly as well at its fastest, in
// less than half the time; fonts are compressed once and kept small.
enum class Compression { kFastest, kDefault };
// The bytes compressed with zlib, for a stream with /Filter /FlateDecode.
std::string Deflate(std::string_view bytes, Compression compression = Compression::kDefault);

}  // namespace korval::pdf
