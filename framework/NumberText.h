#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers in files and reports never depend on the user's locale: formatting runs
// under the C numeric locale, and reading accepts decimal text only (no nan, inf
// or hex), the way the C library's "leading number" conversions read it.
namespace korval {

// The text with every number of more than fifteen digits before its point (a figure capped
// at the largest double, or one far outside any model's range) written in three significant
// digits with "(out of range)" after it: a report never prints a 309-digit number. Nothing
// when the text has no such number.
std::optional<std::string> WithHugeNumbersCapped(std::string_view text);

// printf-style formatting under the C locale ("%-3.1lf", "%.2f", "%d", ...).
std::string FormatNumber(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The number at the start of the text (leading blanks skipped), if there is one.
std::optional<double> TryParseLeadingDouble(std::string_view text);
// As atof: 0 when the text does not begin with a number.
double ParseLeadingDouble(std::string_view text);

// The integer at the start of the text, clamped to the int range, if there is one.
std::optional<int> TryParseLeadingInt(std::string_view text);
// As atoi: 0 when the text does not begin with a number.
int ParseLeadingInt(std::string_view text);

// Whole text is one decimal number (blanks around it allowed).
bool IsWholeNumberText(std::string_view text);

}  // namespace korval
