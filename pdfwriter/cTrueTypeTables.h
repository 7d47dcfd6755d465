#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace korval {

// The tables of a TrueType font (glyph outlines in 'glyf') that a PDF needs to embed it and
// describe it, by tag. Big-endian reads past a table's end give 0, so a damaged table makes
// a poor picture, never a crash.
class cTrueTypeTables {
  public:
    // The tables a PDF viewer needs to draw the glyphs; the hinting tables are kept when
    // the font has them.
    static constexpr std::string_view kRequired[] = {"head", "hhea", "maxp",
                                                     "hmtx", "loca", "glyf"};
    static constexpr std::string_view kHinting[] = {"cvt ", "fpgm", "prep"};

    void Set(std::string_view tag, std::string bytes);
    // True when every required table is there and their sizes agree with each other.
    bool CanEmbed() const;

    int UnitsPerEm() const;
    int GlyphCount() const;
    // The box around every glyph, the ascender and descender, in font units.
    int BoxLeft() const { return Int16(Table("head"), 36); }
    int BoxBottom() const { return Int16(Table("head"), 38); }
    int BoxRight() const { return Int16(Table("head"), 40); }
    int BoxTop() const { return Int16(Table("head"), 42); }
    int Ascender() const { return Int16(Table("hhea"), 4); }
    int Descender() const { return Int16(Table("hhea"), 6); }

    // A font file with the outlines of the given glyphs (and of glyph 0, and of the parts
    // of composite glyphs) and every other glyph empty: glyph numbers stay as they are, so
    // text drawn with them needs no renumbering.
    std::string Subset(std::span<const std::uint16_t> glyphs) const;

    std::string_view Table(std::string_view tag) const;
    const std::map<std::string, std::string, std::less<>>& All() const { return tables_; }
    static int Int16(std::string_view table, std::size_t at);
    static std::uint32_t UInt16(std::string_view table, std::size_t at);
    static std::uint32_t UInt32(std::string_view table, std::size_t at);

  private:
    bool LongOffsets() const { return Int16(Table("head"), 50) == 1; }
    std::uint32_t GlyphOffset(int glyph) const;
    std::string_view GlyphBytes(int glyph) const;

    std::map<std::string, std::string, std::less<>> tables_;
};

}  // namespace korval
