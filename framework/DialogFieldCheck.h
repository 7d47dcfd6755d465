#pragma once

#include <optional>
#include <string>
#include <string_view>

// The standard checks a dialog field gets from the platform when its value is taken: a
// field that is not a number, or lies outside its range, is named in a message and the
// dialog stays open.
namespace korval {

class cPlatformServices;

// The words every dialog refuses a field with.
inline constexpr const char* kNotANumberMessage = "Please enter a number.";
// What a number field may hold beyond being a number.
enum class NumberRule { GreaterThanZero, NotNegative };
// Why the field named what refuses its text under the rule ("Please enter a number.",
// "<what> must be greater than zero.", "<what> cannot be negative."); empty when accepted.
std::string NumberFieldProblem(std::string_view text, std::string_view what, NumberRule rule);

// A whole integer (blanks around it allowed) within min..max.
std::optional<int> CheckIntegerField(cPlatformServices& platform, std::string_view text, int min,
                                     int max);
// A decimal number within min..max.
std::optional<double> CheckNumberField(cPlatformServices& platform, std::string_view text,
                                       double min, double max);

// How a dialog shows a figure it computed or took from the document: at the report's
// precision (one decimal), so it fits its field.
std::string FigureFieldText(double value);
// What a field that showed FigureFieldText(shown) holds: shown itself, unrounded, while the
// text is as it was shown (a dialog opened and closed with OK changes no figure), else
// the number typed.
double FigureFieldValue(std::string_view text, double shown);

// How a dialog field shows a number ("%.15g": 50000, 14.5, 12345.678).
std::string FieldText(double value);
std::string FieldText(int value);

}  // namespace korval
