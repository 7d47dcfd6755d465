#pragma once

#include <string>
#include <vector>

namespace korval {

// An axis from low to high in round steps: 1, 2, 2.5 or 5 times a power of ten, the ends
// whole multiples of the step, so every tick reads as a short round number.
struct ChartScale {
    double low = 0;
    double high = 1;
    double step = 1;
    int decimals = 0;  // the most decimals a tick needs to show its value exactly

    // The scale covering [low, high] with at most maxTicks steps (at least one). An empty
    // or inverted range, or one that is not finite, gives 0 to 1.
    static ChartScale Covering(double low, double high, int maxTicks);

    std::vector<double> Ticks() const;
    std::string TickText(double value) const;
    // Where the value lies between low (0) and high (1).
    double Fraction(double value) const;
};

}  // namespace korval
