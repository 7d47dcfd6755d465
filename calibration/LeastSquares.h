#pragma once

#include <optional>
#include <span>
#include <vector>

namespace korval {

// A straight line y = intercept + slope x fitted by least squares, with each point's
// prediction by the same fit to all the other points (leave-one-out). The leave-one-out
// predictions come in closed form, so they cost no more than the fit itself.
struct LineFit {
    double intercept = 0;
    double slope = 0;
    std::vector<double> leaveOneOut;
};

// The intercept alone, the slope given: the mean of y - slope x. Needs two points for the
// leave-one-out predictions; nothing with fewer.
std::optional<LineFit> FitIntercept(std::span<const double> x, std::span<const double> y,
                                    double slope);
// Intercept and slope together. Nothing with fewer than three points or when every x is
// the same (no slope can be told).
std::optional<LineFit> FitLine(std::span<const double> x, std::span<const double> y);

}  // namespace korval
