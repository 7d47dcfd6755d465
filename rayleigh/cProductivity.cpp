#include "rayleigh/cProductivity.h"

#include <cmath>

namespace korval {

void cProductivity::FromIndex(double pi) {
    index_ = pi;
    measure_ = std::pow(10.0, kIndexSlope * pi + kIndexOffset);
    fromMeasure_ = false;
}

void cProductivity::FromMeasure(double pm) {
    measure_ = pm;
    index_ = (std::log10(pm) - kIndexOffset) / kIndexSlope;
    fromMeasure_ = true;
}

}  // namespace korval
