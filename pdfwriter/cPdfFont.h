#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pdfwriter/cPdfContent.h"
#include "pdfwriter/cTrueTypeTables.h"

namespace korval {

class cPdfObjects;

// A TrueType font embedded in a PDF as a subset of the glyphs drawn with it, addressed by
// glyph number (Identity-H), with a map back to the characters so text can be searched and
// copied. Each glyph's width is fixed by its first use; later runs that place it otherwise
// move it within their run.
class cPdfFont {
  public:
    cPdfFont(std::string name, cTrueTypeTables tables);

    // Records the glyph as drawn at the size; returns its width in thousandths of an em, to a
    // millionth.
    double Use(const PlacedGlyph& placed, double size);
    double WidthOf(std::uint16_t glyph) const;

    // The font's objects; fontId is the number of the font pages refer to, tag the six
    // capital letters that mark the subset.
    void Add(cPdfObjects& objects, int fontId, const std::string& tag) const;

  private:
    std::string Widths() const;
    std::string CharacterMap() const;
    std::vector<std::uint16_t> UsedGlyphs() const;
    double InThousandths(int fontUnits) const;

    std::string name_;
    cTrueTypeTables tables_;
    std::vector<double> widths_;  // by glyph; negative: not drawn
    std::vector<char32_t> characters_;
};

}  // namespace korval
