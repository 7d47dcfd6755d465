#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pdfwriter/PrintFontMetrics.h"

namespace korval {

// The lines Qt's text layout breaks a text into at a width (in 64ths of a device unit):
// paragraphs at line feeds, each filled word by word, a line ending before the word that
// would make it wider than the width (the spaces before that word hang at its end). The
// text must be printable ASCII with line feeds.
//
// Qt breaks lines where Unicode's line breaking rules allow, which for most punctuation
// depends on its neighbours. Texts of letters, digits, spaces and . , : ; ' " ( ) - break
// only after spaces and after hyphens before letters, except in a few arrangements this
// refuses; other texts, a word wider than the width, and a line that would end within a
// glyph's overhang of the width (where Qt's decision turns on the last glyph's ink) give
// none: they need Qt's own layout.
std::optional<std::vector<std::string>> BreakIntoLines(std::string_view text,
                                                       const PrintFontMetrics& font,
                                                       std::int64_t width64);

}  // namespace korval
