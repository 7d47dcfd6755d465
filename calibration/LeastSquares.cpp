#include "calibration/LeastSquares.h"

#include <algorithm>
#include <cmath>

#include "calibration/Statistics.h"

namespace korval {

std::optional<LineFit> FitIntercept(std::span<const double> x, std::span<const double> y,
                                    double slope) {
    std::size_t n = x.size();
    if (n < 2 || y.size() != n) return std::nullopt;
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += y[i] - slope * x[i];
    LineFit fit;
    fit.slope = slope;
    fit.intercept = sum / static_cast<double>(n);
    fit.leaveOneOut.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        double others = (sum - (y[i] - slope * x[i])) / static_cast<double>(n - 1);
        fit.leaveOneOut.push_back(others + slope * x[i]);
    }
    return fit;
}

// Leaving point i out moves its prediction by its residual over 1 - h, h being its leverage
// 1/n + (x - mean)^2 / Sxx.
std::optional<LineFit> FitLine(std::span<const double> x, std::span<const double> y) {
    std::size_t n = x.size();
    if (n < 3 || y.size() != n) return std::nullopt;
    double meanX = Mean(x);
    double meanY = Mean(y);
    double sxx = 0;
    double sxy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sxx += (x[i] - meanX) * (x[i] - meanX);
        sxy += (x[i] - meanX) * (y[i] - meanY);
    }
    if (!(sxx > 1e-12 * static_cast<double>(n))) return std::nullopt;
    LineFit fit;
    fit.slope = sxy / sxx;
    fit.intercept = meanY - fit.slope * meanX;
    fit.leaveOneOut.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        double predicted = fit.intercept + fit.slope * x[i];
        double leverage = 1.0 / static_cast<double>(n) + (x[i] - meanX) * (x[i] - meanX) / sxx;
        double residual = y[i] - predicted;
        fit.leaveOneOut.push_back(y[i] - residual / std::max(1.0 - leverage, 1e-12));
    }
    return fit;
}

}  // namespace korval
