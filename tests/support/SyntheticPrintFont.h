#pragma once

#include <initializer_list>
#include <string>

#include "pdfwriter/PrintFontMetrics.h"

namespace korval::testing {

// Print font metrics as the PDF renderer keeps them, made up: a font named "Synthetic" whose
// tables embed (a glyph for each printable ASCII character, each a hundred units wide) and
// the heights of a 12-point line at 1200 dots per inch, on A4.
PrintFontMetrics SyntheticPrintFont();

// Unsigned 16-bit numbers as a font's tables hold them: big-endian.
std::string BigEndian16(std::initializer_list<unsigned> values);

}  // namespace korval::testing
