#include "pdfwriter/PdfSyntax.h"

#include <zlib.h>

#include <charconv>
#include <cmath>
#include <cstdint>

namespace korval::pdf {

void AppendNumber(std::string& out, double value, int decimals) {
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    long long scaled = std::llround(value * static_cast<double>(scale));
    if (scaled < 0) {
        out += '-';
        scaled = -scaled;
    }
    char digits[24];
    auto written = std::to_chars(digits, digits + sizeof digits, scaled / scale);
    out.append(digits, written.ptr);
    long long fraction = scaled % scale;
    if (fraction == 0) return;
    out += '.';
    for (long long unit = scale / 10; fraction != 0; unit /= 10) {
        out += static_cast<char>('0' + fraction / unit);
        fraction %= unit;
    }
}

namespace {

// The code points of UTF-8 text; a byte that starts no valid sequence stands for U+FFFD.
template <typename Each>
void ForEachCodePoint(std::string_view text, Each each) {
    for (std::size_t at = 0; at < text.size();) {
        auto lead = static_cast<unsigned char>(text[at]);
        int length = lead < 0x80         ? 1
                     : (lead >> 5) == 6  ? 2
                     : (lead >> 4) == 14 ? 3
                     : (lead >> 3) == 30 ? 4
                                         : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        bool valid = length > 0 && at + static_cast<std::size_t>(length) <= text.size();
        for (int i = 1; valid && i < length; ++i) {
            auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        each(valid && code <= 0x10FFFF ? code : U'\uFFFD');
        at += valid ? static_cast<std::size_t>(length) : 1;
    }
}

void AppendHex16(std::string& out, unsigned unit) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

}  // namespace

void AppendUtf16Hex(std::string& out, char32_t code) {
    if (code < 0x10000) {
        AppendHex16(out, static_cast<unsigned>(code));
        return;
    }
    code -= 0x10000;
    AppendHex16(out, 0xD800 + static_cast<unsigned>(code >> 10));
    AppendHex16(out, 0xDC00 + static_cast<unsigned>(code & 0x3FF));
}

std::string TextString(std::string_view utf8) {
    std::string out = "<FEFF";
    ForEachCodePoint(utf8, [&out](char32_t code) { AppendUtf16Hex(out, code); });
    return out + '>';
}

std::string Deflate(std::string_view bytes, Compression compression) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
              compression == Compression::kFastest ? Z_BEST_SPEED : Z_DEFAULT_COMPRESSION);
    out.resize(size);
    return out;
}

}  // namespace korval::pdf
