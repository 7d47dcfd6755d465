#include "calibration/Statistics.h"

#include <algorithm>
#include <cmath>

namespace korval {

double Mean(std::span<const double> values) {
    if (values.empty()) return 0;
    double sum = 0;
    for (double value : values) sum += value;
    return sum / static_cast<double>(values.size());
}

double SampleStandardDeviation(std::span<const double> values) {
    if (values.size() < 2) return 0;
    double mean = Mean(values);
    double squares = 0;
    for (double value : values) squares += (value - mean) * (value - mean);
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    std::size_t middle = values.size() / 2;
    auto upper = values.begin() + static_cast<std::ptrdiff_t>(middle);
    std::nth_element(values.begin(), upper, values.end());
    double high = *upper;
    if (values.size() % 2 == 1) return high;
    double low = *std::max_element(values.begin(), upper);
    return (low + high) / 2;
}

}  // namespace korval
