#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korval {
class cPlatformServices;
}

// How the function point dialogs read their integer fields, with the desktop framework's
// own messages.
namespace korval::fp {

// "Please enter an integer."
std::string IntegerMessage();
// "Please enter an integer between <min> and <max>."
std::string IntegerRangeMessage(int min, int max);

// The value of an integer field: blanks around it, an optional sign and digits, nothing
// else. Nothing when the text is not such a number.
std::optional<long long> ParseIntegerText(std::string_view text);

// The field's value when it is an integer within min..max; otherwise the user is told
// why and nothing is returned.
std::optional<int> ReadIntegerField(std::string_view text, int min, int max,
                                    cPlatformServices& platform);

}  // namespace korval::fp
