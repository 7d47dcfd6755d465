#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace korval {

// How close estimates came to the actual values: the magnitude of relative error
// |estimate - actual| / actual averaged (MMRE) and its median (MdMRE), the share of
// estimates within 25 % of the actual value (PRED(25)) and the mean relative error with
// its sign (bias: above 0 the estimates run high).
struct Accuracy {
    std::size_t projects = 0;
    double mmre = 0;
    double medianMre = 0;
    double pred25 = 0;
    double meanBias = 0;
};

// One history project as a model estimates it: by the profile in use, by the calibrated
// values, and by the calibration made without it (leave-one-out).
struct EstimatePoint {
    std::size_t project = 0;  // index into the history's projects
    double actual = 0;
    double current = 0;
    double calibrated = 0;
    double leaveOneOut = 0;
};

struct ModelAccuracy {
    Accuracy current;
    Accuracy calibrated;
    Accuracy leaveOneOut;
};

// Projects whose actual value is not above 0 are left out.
Accuracy AccuracyOf(std::span<const double> actual, std::span<const double> estimate);
ModelAccuracy AccuracyOf(std::span<const EstimatePoint> points);

}  // namespace korval
