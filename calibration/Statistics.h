#pragma once

#include <optional>
#include <span>
#include <vector>

// The few statistics the fits need, each one pass (the median one selection) over the values.
namespace korval {

double Mean(std::span<const double> values);
// The standard deviation of a sample (n - 1 in the denominator); 0 below two values.
double SampleStandardDeviation(std::span<const double> values);
// The middle value, or the mean of the two middle values; nothing for no values.
std::optional<double> Median(std::vector<double> values);

}  // namespace korval
