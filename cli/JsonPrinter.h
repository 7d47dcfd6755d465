#pragma once

#include <ostream>

#include "cli/FiguresJson.h"

namespace korval {

// What every part of a value is given before it is printed (texts made printable).
using JsonPreparation = void (*)(Json& part);

// Writes the text value.dump(2) gives once `prepare` has gone over the whole value: two
// spaces an indent, bad UTF-8 printed as U+FFFD. The elements of long arrays (a large
// system's members) are prepared, printed and freed on every core, and their text goes to
// out piece by piece; the value is used up.
void PrintJson(std::ostream& out, Json value, JsonPreparation prepare);

}  // namespace korval
