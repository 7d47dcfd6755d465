#pragma once

#include <vector>

namespace korval {

// The value that the share (0..1) of the sorted values do not exceed: the order statistic
// x[(n - 1) share], interpolated between neighbours, so equal neighbours give their value
// exactly. 0 for no values.
double SortedQuantile(const std::vector<double>& sorted, double share);

// The share of the sorted values that do not exceed the value; 0 for no values.
double SortedShareAtMost(const std::vector<double>& sorted, double value);

}  // namespace korval
