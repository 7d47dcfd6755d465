#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korval {

// One report filter switch. A switch that does not apply to a kind is hidden in its
// Display Options.
enum class FilterState { NotApplicable = 0, On = 1, Off = 2 };

// "ON", "OFF", "NA", or "UNKNOWN" for any other number.
std::string FilterToken(FilterState state);
// ON, OFF, NA or N/A in any letter case; nothing for any other text.
std::optional<FilterState> ParseFilterToken(std::string_view token);

}  // namespace korval
