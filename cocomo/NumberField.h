#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korval {

class cPlatformServices;

// The number fields of the COCOMO Attributes and Sensitivity Adjustments dialogs.
// A value is shown as a plain number with up to 15 significant digits.
std::string NumberFieldText(double value);
// On OK the whole text (blanks around it allowed) must be a number from minimum to
// maximum; otherwise the user is told "Please enter a number." or "Please enter a number
// between <minimum> and <maximum>." and nothing is returned.
std::optional<double> CheckNumberField(std::string_view text, double minimum, double maximum,
                                       cPlatformServices& platform);

}  // namespace korval
