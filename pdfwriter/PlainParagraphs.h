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
// Qt breaks lines where Unicode's line breaking rules allow, and Qt's answers for pairs of
// characters come with the font's metrics. A text with a pair whose break depends on more
// than the pair (as in numbers), a word Qt allows no break before after spaces, a paragraph that
// starts with spaces, a word wider than the width, or a line that would end within a
// glyph's overhang of the width (where Qt's decision turns on the last glyph's ink) gives
// none: it needs Qt's own layout.
std::optional<std::vector<std::string>> BreakIntoLines(std::string_view text,
                                                       const PrintFontMetrics& font,
                                                       std::int64_t width64);

}  // namespace korval
