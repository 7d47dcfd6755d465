#include "framework/FilterState.h"

#include "framework/TextUtil.h"

namespace korval {

std::string FilterToken(FilterState state) {
    switch (state) {
        case kFilterOn:
            return "ON";
        case kFilterOff:
            return "OFF";
        case kFilterNotApplicable:
            return "NA";
        default:
            return "UNKNOWN";
    }
}

std::optional<FilterState> ParseFilterToken(std::string_view token) {
    if (EqualsNoCase(token, "ON")) return kFilterOn;
    if (EqualsNoCase(token, "OFF")) return kFilterOff;
    if (EqualsNoCase(token, "NA") || EqualsNoCase(token, "N/A")) return kFilterNotApplicable;
    return std::nullopt;
}

}  // namespace korval
