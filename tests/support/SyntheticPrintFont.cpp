#include "tests/support/SyntheticPrintFont.h"

namespace korval::testing {

namespace {

std::string UInt16s(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (unsigned value : values) {
        bytes += static_cast<char>(value >> 8);
        bytes += static_cast<char>(value & 0xFF);
    }
    return bytes;
}

cTrueTypeTables SyntheticTables(unsigned glyphs) {
    cTrueTypeTables tables;
    std::string head(54, '\0');
    head.replace(18, 2, UInt16s({1000}));
    tables.Set("head", head);
    std::string hhea(36, '\0');
    hhea.replace(4, 4, UInt16s({800, 0xFF38}));
    hhea.replace(34, 2, UInt16s({1}));
    tables.Set("hhea", hhea);
    tables.Set("maxp", UInt16s({1, 0, glyphs}));
    tables.Set("hmtx", UInt16s({500, 0}));
    std::string outlines, offsets;
    for (unsigned glyph = 0; glyph <= glyphs; ++glyph) {
        offsets += UInt16s({static_cast<unsigned>(outlines.size() / 2)});
        if (glyph < glyphs) outlines += UInt16s({1, 0, 0, 500, 700, 0, 0});
    }
    tables.Set("loca", offsets);
    tables.Set("glyf", outlines);
    return tables;
}

}  // namespace

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
    font.deviceWidth = 9921;
    font.deviceHeight = 14031;
    font.dpiX = font.dpiY = 1200;
    font.pageWidthPoints = 595;
    font.pageHeightPoints = 842;
    font.tables = SyntheticTables(PrintFontMetrics::kCount + 1);
    return font;
}

}  // namespace korval::testing
