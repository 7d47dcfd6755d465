#include "framework/chart/ChartScale.h"

#include <algorithm>
#include <cmath>

#include "framework/NumberText.h"

namespace korval {

namespace {

// The smallest round step of at least raw: 1, 2, 2.5, 5 or 10 times its power of ten.
double RoundStep(double raw, int& decimals) {
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double mantissa : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        double step = mantissa * power;
        if (step >= raw * (1 - 1e-9)) {
            int exponent = static_cast<int>(std::lround(std::log10(power)));
            if (mantissa == 10.0) ++exponent;
            decimals = std::max(0, -exponent) + (mantissa == 2.5 ? 1 : 0);
            if (mantissa == 2.5 && exponent > 0) decimals = 0;
            return step;
        }
    }
    return raw;  // not reached: 10 x power is always at least raw
}

}  // namespace

ChartScale ChartScale::Covering(double low, double high, int maxTicks) {
    ChartScale scale;
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) {
        if (std::isfinite(low) && std::isfinite(high) && high == low && low != 0) {
            low = std::min(0.0, low);
            high = std::max(0.0, high);
        } else {
            return scale;
        }
    }
    int steps = std::max(1, maxTicks);
    double raw = (high - low) / steps;
    scale.step = RoundStep(raw, scale.decimals);
    scale.low = std::floor(low / scale.step + 1e-9) * scale.step;
    scale.high = std::ceil(high / scale.step - 1e-9) * scale.step;
    // Rounding the ends out may take one step more than asked for.
    while ((scale.high - scale.low) / scale.step > steps + 1e-9) {
        scale.step = RoundStep(scale.step * (1 + 1e-6), scale.decimals);
        scale.low = std::floor(low / scale.step + 1e-9) * scale.step;
        scale.high = std::ceil(high / scale.step - 1e-9) * scale.step;
    }
    if (scale.high <= scale.low) scale.high = scale.low + scale.step;
    // Ends rounded out beyond the largest double keep the data's own ends.
    if (!std::isfinite(scale.low) || !std::isfinite(scale.high) ||
        !std::isfinite((scale.high - scale.low) / scale.step)) {
        scale.low = low;
        scale.high = high;
        scale.step = (high - low) / steps;
        if (!std::isfinite(scale.step) || !(scale.step > 0)) return ChartScale{};
    }
    return scale;
}

std::vector<double> ChartScale::Ticks() const {
    std::vector<double> ticks;
    double steps = (high - low) / step;
    long count = std::isfinite(steps) ? std::clamp(std::lround(steps), 0L, 1000L) : 0L;
    ticks.reserve(static_cast<std::size_t>(count + 1));
    // The last tick is the end itself: adding steps up to it may round past the largest
    // double.
    for (long i = 0; i < count; ++i) ticks.push_back(low + static_cast<double>(i) * step);
    ticks.push_back(high);
    return ticks;
}

std::string ChartScale::TickText(double value) const {
    if (std::fabs(value) < step * 1e-9) value = 0;
    // Whole ticks of a 2.5 or 0.5 step read as whole numbers: 0, 2.5, 5, 7.5, 10.
    std::string text = FormatNumber("%.*f", decimals, value);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

double ChartScale::Fraction(double value) const {
    return (value - low) / (high - low);
}

}  // namespace korval
