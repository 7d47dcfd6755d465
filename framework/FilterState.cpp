#include "framework/FilterState.h"

#include "framework/TextUtil.h"

namespace korval {

std::string FilterToken(FilterState state) {
    switch (state) {
        case FilterState::On:
            return "ON";
        case FilterState::Off:
            return "OFF";
        case FilterState::NotApplicable:
            return "NA";
        default:
            return "UNKNOWN";
    }
}

std::optional<FilterState> ParseFilterToken(std::string_view token) {
    if (EqualsNoCase(token, "ON")) return FilterState::On;
    if (EqualsNoCase(token, "OFF")) return FilterState::Off;
    if (EqualsNoCase(token, "NA") || EqualsNoCase(token, "N/A")) return FilterState::NotApplicable;
    return std::nullopt;
}

}  // namespace korval
