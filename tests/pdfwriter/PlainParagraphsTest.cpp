#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pdfwriter/PlainParagraphs.h"
#include "tests/support/SyntheticPrintFont.h"

namespace korval {
namespace {

using Lines = std::optional<std::vector<std::string>>;

// Every character is a hundred units wide and no glyph overhangs its advance, so a line
// within a unit of the width is too close to call. The made-up font's breaks: within a word
// after a hyphen or a slash before a letter, after spaces before anything but closing
// punctuation and not after an opening parenthesis; around '+' and '|' unknown.
TEST(PlainParagraphsTest, BreaksWhereQtBreaksAndRefusesWhatItCannotKnow) {
    struct Case {
        const char* text;
        int width;  // device units
        Lines lines;
    };
    const Case cases[] = {
        {"aa bb cc", 560, Lines({"aa bb", "cc"})},
        {"aa bb cc", 500, std::nullopt},  // "aa bb" just fills the line
        {"aa bb cc", 900, Lines({"aa bb cc"})},
        {"aa   bb", 400, Lines({"aa", "bb"})},  // the spaces hang
        {"aa   ", 300, Lines({"aa"})},
        {"self-service desk", 750, Lines({"self-", "service", "desk"})},
        {"self-service desk", 1300, Lines({"self-service", "desk"})},
        {"2-3 items", 550, Lines({"2-3", "items"})},
        {"2-3", 250, std::nullopt},   // no break before a digit: a word wider than the line
        {"a--b", 250, std::nullopt},  // nor between hyphens
        {"a--b", 350, Lines({"a--", "b"})},
        {"one\n\ntwo three", 600, Lines({"one", "", "two", "three"})},
        {"x (y) 4,200.5: 'q' \"r\";", 3000, Lines({"x (y) 4,200.5: 'q' \"r\";"})},
        {"wide", 300, std::nullopt},   // a word wider than the line
        {" lead", 900, std::nullopt},  // a paragraph that starts with spaces
        {"and/or", 450, Lines({"and/", "or"})},
        {"a +b", 900, std::nullopt},  // unknown
        {"a|b", 900, std::nullopt},
        {"( a", 900, std::nullopt},   // no break after an opening parenthesis
        {"a )b", 900, std::nullopt},  // nor before closing punctuation
        {"a .b", 900, std::nullopt},
    };
    const PrintFontMetrics font = testing::SyntheticPrintFont();
    for (const Case& c : cases)
        EXPECT_EQ(BreakIntoLines(c.text, font, std::int64_t{c.width} * 64), c.lines) << c.text;
}

}  // namespace
}  // namespace korval
