#pragma once

#include <string>
#include <vector>

#include "cli/FiguresJson.h"

namespace korval {

// One figure of the figures JSON, named by its path ("cocomo.adjustedEffort",
// "cocomo.costDrivers[2].rating"). A range ({"value", "low", "high"}) is one figure with
// all three; any other value is a figure of its own with no low or high.
struct FigureRow {
    std::string path;
    bool isRange = false;
    Json value;
    Json low;
    Json high;
};

std::vector<FigureRow> FigureRows(const Json& figures);

// The rows as CSV: a header, then path, value, low, high per figure, quoted as RFC 4180
// quotes (a field holding a comma, a quotation mark or a line break is put in quotes, its
// quotation marks doubled) and ended by CR LF. Numbers print as in the JSON; null is empty.
std::string FiguresCsv(const Json& figures);

// A scalar as text: numbers as the JSON prints them, strings as they are, null empty.
std::string ScalarText(const Json& value);

}  // namespace korval
