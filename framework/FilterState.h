#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korval {

// One report filter switch.
using FilterState = int;
inline constexpr FilterState kFilterNotApplicable = 0;
inline constexpr FilterState kFilterOn = 1;
inline constexpr FilterState kFilterOff = 2;

// "ON", "OFF", "NA", or "UNKNOWN" for any other number.
std::string FilterToken(FilterState state);
// ON, OFF, NA or N/A in any letter case; nothing for any other text.
std::optional<FilterState> ParseFilterToken(std::string_view token);

}  // namespace korval
