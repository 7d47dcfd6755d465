#pragma once

#include <optional>
#include <string>
#include <string_view>

// The standard checks a dialog field gets from the platform when its value is taken: a
// field that is not a number, or lies outside its range, is named in a message and the
// dialog stays open.
namespace korval {

class cPlatformServices;

// A whole integer (blanks around it allowed) within min..max.
std::optional<int> CheckIntegerField(cPlatformServices& platform, std::string_view text, int min,
                                     int max);
// A decimal number within min..max.
std::optional<double> CheckNumberField(cPlatformServices& platform, std::string_view text,
                                       double min, double max);

// How a dialog field shows a number ("%.15g": 50000, 14.5, 12345.678).
std::string FieldText(double value);
std::string FieldText(int value);

}  // namespace korval
