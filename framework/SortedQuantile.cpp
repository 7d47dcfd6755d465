#include "framework/SortedQuantile.h"

#include <algorithm>
#include <cstddef>

namespace korval {

double SortedQuantile(const std::vector<double>& sorted, double share) {
    if (sorted.empty()) return 0;
    double position = std::clamp(share, 0.0, 1.0) * static_cast<double>(sorted.size() - 1);
    std::size_t below = static_cast<std::size_t>(position);
    if (below + 1 >= sorted.size()) return sorted.back();
    double fraction = position - static_cast<double>(below);
    if (fraction == 0) return sorted[below];
    return sorted[below] + fraction * (sorted[below + 1] - sorted[below]);
}

double SortedShareAtMost(const std::vector<double>& sorted, double value) {
    if (sorted.empty()) return 0;
    auto end = std::upper_bound(sorted.begin(), sorted.end(), value);
    return static_cast<double>(end - sorted.begin()) / static_cast<double>(sorted.size());
}

}  // namespace korval
