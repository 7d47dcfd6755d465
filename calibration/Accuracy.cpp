#include "calibration/Accuracy.h"

#include <cmath>

#include "calibration/Statistics.h"

namespace korval {

Accuracy AccuracyOf(std::span<const double> actual, std::span<const double> estimate) {
    Accuracy accuracy;
    std::vector<double> errors;
    errors.reserve(actual.size());
    double bias = 0;
    std::size_t within = 0;
    for (std::size_t i = 0; i < actual.size() && i < estimate.size(); ++i) {
        if (!(actual[i] > 0)) continue;
        double relative = (estimate[i] - actual[i]) / actual[i];
        errors.push_back(std::fabs(relative));
        bias += relative;
        if (std::fabs(relative) <= 0.25) ++within;
    }
    accuracy.projects = errors.size();
    if (errors.empty()) return accuracy;
    double count = static_cast<double>(errors.size());
    accuracy.mmre = Mean(errors);
    accuracy.meanBias = bias / count;
    accuracy.pred25 = static_cast<double>(within) / count;
    accuracy.medianMre = Median(std::move(errors)).value_or(0);
    return accuracy;
}

ModelAccuracy AccuracyOf(std::span<const EstimatePoint> points) {
    std::vector<double> actual, current, calibrated, leaveOneOut;
    actual.reserve(points.size());
    current.reserve(points.size());
    calibrated.reserve(points.size());
    leaveOneOut.reserve(points.size());
    for (const EstimatePoint& point : points) {
        actual.push_back(point.actual);
        current.push_back(point.current);
        calibrated.push_back(point.calibrated);
        leaveOneOut.push_back(point.leaveOneOut);
    }
    return {AccuracyOf(actual, current), AccuracyOf(actual, calibrated),
            AccuracyOf(actual, leaveOneOut)};
}

}  // namespace korval
