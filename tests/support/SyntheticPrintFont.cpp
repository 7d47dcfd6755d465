#include "tests/support/SyntheticPrintFont.h"

#include <cctype>
#include <string_view>

namespace korval::testing {

namespace {

cTrueTypeTables SyntheticTables(unsigned glyphs) {
    cTrueTypeTables tables;
    std::string head(54, '\0');
    head.replace(18, 2, BigEndian16({1000}));
    tables.Set("head", head);
    std::string hhea(36, '\0');
    hhea.replace(4, 4, BigEndian16({800, 0xFF38}));
    hhea.replace(34, 2, BigEndian16({1}));
    tables.Set("hhea", hhea);
    tables.Set("maxp", BigEndian16({1, 0, glyphs}));
    tables.Set("hmtx", BigEndian16({500, 0}));
    std::string outlines, offsets;
    for (unsigned glyph = 0; glyph <= glyphs; ++glyph) {
        offsets += BigEndian16({static_cast<unsigned>(outlines.size() / 2)});
        if (glyph < glyphs) outlines += BigEndian16({1, 0, 0, 500, 700, 0, 0});
    }
    tables.Set("loca", offsets);
    tables.Set("glyf", outlines);
    return tables;
}

}  // namespace

std::string BigEndian16(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (unsigned value : values) {
        bytes += static_cast<char>(value >> 8);
        bytes += static_cast<char>(value & 0xFF);
    }
    return bytes;
}

PrintFontMetrics SyntheticPrintFont() {
    PrintFontMetrics font;
    font.fontName = "Synthetic";
    font.pixelSize = 200;
    for (int i = 0; i < PrintFontMetrics::kCount; ++i) {
        font.glyphs[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i + 1);
        font.advances[static_cast<std::size_t>(i)] = 100 * 64;
    }
    font.lineAscent = 178.25;
    font.pointAscent = 178;
    font.text = {230, 100, 100};
    font.plainLineHeight = font.emptyTextHeight = font.emptyWrappedTextHeight = 230;
    for (int line = 0; line < 40; ++line) {
        font.wrappedBaselines.push_back(178.25 + 230 * line);
        font.wrappedHeights.push_back(230 * (line + 1));
    }
    // Breaks as a simple rule says: within a word after a hyphen or a slash before a letter;
    // after spaces before anything but closing punctuation; around '+' and '|' unknown.
    const std::size_t pairs = PrintFontMetrics::kCount * PrintFontMetrics::kCount;
    std::string within(pairs, '0');
    font.breaksAfterSpaces.assign(pairs, '0');
    for (char before = PrintFontMetrics::kFirst; before <= PrintFontMetrics::kLast; ++before) {
        for (char after = PrintFontMetrics::kFirst; after <= PrintFontMetrics::kLast; ++after) {
            const std::size_t at = PrintFontMetrics::PairIndex(before, after);
            if ((before == '-' || before == '/') && std::isalpha(static_cast<unsigned char>(after)))
                within[at] = '1';
            if (std::string_view("),.:;!?/").find(after) == std::string_view::npos && before != '(')
                font.breaksAfterSpaces[at] = '1';
            if (std::string_view("+|").find_first_of(std::string{before, after}) !=
                std::string_view::npos)
                within[at] = font.breaksAfterSpaces[at] = '?';
        }
    }
    font.breaksWithin.fill(within);
    font.deviceWidth = 9921;
    font.deviceHeight = 14031;
    font.dpiX = font.dpiY = 1200;
    font.pageWidthPoints = 595;
    font.pageHeightPoints = 842;
    font.tables = SyntheticTables(PrintFontMetrics::kCount + 1);
    return font;
}

}  // namespace korval::testing
