#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/cReportSurface.h"
#include "pdfwriter/cTrueTypeTables.h"

namespace korval {

// What a printed page needs of the print font to measure and draw lines of plain text
// (printable ASCII) exactly as Qt does on a PDF page: each character's glyph and advance as
// Qt shapes them, the heights Qt's layout gives, the page's size and resolution, and the
// font's tables to embed. The desktop's PDF renderer takes them from Qt, and the command
// line uses them without loading Qt.
struct PrintFontMetrics {
    static constexpr char kFirst = ' ';
    static constexpr char kLast = '~';
    static constexpr int kCount = kLast - kFirst + 1;

    std::string fontName;
    double pixelSize = 0;  // device units per em
    std::array<std::uint16_t, kCount> glyphs{};
    std::array<std::int32_t, kCount> advances{};  // 64ths of a device unit
    double lineAscent = 0;                        // a plain line's baseline below its top
    int pointAscent = 0;                          // the same, whole, for text placed at a point
    TextMetrics text;
    int plainLineHeight = 0;
    int emptyTextHeight = 0;  // the height Qt's layout gives an empty text
    int emptyWrappedTextHeight = 0;
    // A text that may wrap, by its number of lines: the baseline of each line below the
    // text's top, and the height of so many lines (the first entries for one line).
    std::vector<double> wrappedBaselines;
    std::vector<int> wrappedHeights;
    // How far a glyph's ink reaches past its advance at most, in 64ths: Qt's line breaking
    // counts it for the last glyph on a line.
    std::int32_t largestOverhang = 0;
    // Where Qt's line breaking allows a break, by pairs of printable ASCII characters, first
    // character by rows: between the two within a word, by what comes before the pair in the
    // word (numbers have rules of their own), and before the second after spaces that follow
    // the first. '1' allows, '0' does not, '?' depends on more.
    enum WordContext { kWordStart, kAfterDigit, kAfterLetter, kAfterOther, kContexts };
    std::array<std::string, kContexts> breaksWithin;
    std::string breaksAfterSpaces;
    int deviceWidth = 0;
    int deviceHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
    double pageWidthPoints = 0;
    double pageHeightPoints = 0;
    cTrueTypeTables tables;

    // The rule of a pair: '1', '0' or '?', as in the tables.
    char BreakWithin(WordContext context, char before, char after) const {
        return breaksWithin[context][PairIndex(before, after)];
    }
    // The context of a pair within a word from the character before it, if any.
    static WordContext ContextOf(const char* before);
    char BreakAfterSpaces(char before, char after) const {
        return breaksAfterSpaces[PairIndex(before, after)];
    }
    static std::size_t PairIndex(char before, char after) {
        return static_cast<std::size_t>(before - kFirst) * kCount +
               static_cast<std::size_t>(after - kFirst);
    }
    // Whether the figures can lay a page out: sizes and heights positive, a baseline for
    // every height, widths that fit a line of any length, tables that embed. A cache that
    // says otherwise was not written by the renderer.
    bool IsSound() const;
    // The width of a plain line in 64ths of a device unit.
    std::int32_t Width64(std::string_view line) const;
    std::uint16_t GlyphOf(char c) const { return glyphs[static_cast<std::size_t>(c - kFirst)]; }
    std::int32_t AdvanceOf(char c) const { return advances[static_cast<std::size_t>(c - kFirst)]; }
};

// One line of printable ASCII, not wrapped: every surface draws it alike whatever its
// letters, one glyph per character.
bool IsPlainLine(std::string_view text, unsigned flags);

}  // namespace korval
