#pragma once

namespace korval {

// A computed figure with the low and the high value around it, as the sensitivity settings
// give them. A figure that does not vary has its value as its low and its high.
struct RangedFigure {
    double value = 0;
    double low = 0;
    double high = 0;

    static constexpr RangedFigure Exact(double value) { return {value, value, value}; }

    bool operator==(const RangedFigure&) const = default;
};

}  // namespace korval
