#include "cocomo/CocomoFormulas.h"

#include <cmath>

#include "cocomo/FiniteFigure.h"

namespace korval {

namespace {
constexpr double kKslocPerSloc = 0.001;
}  // namespace

double NominalEffortFor(const ModeConstants& constants, double sourceLines) {
    return FiniteFigure(constants.a * std::pow(sourceLines * kKslocPerSloc, constants.b));
}

double ScheduleFor(const ModeConstants& constants, double adjustedEffort) {
    return FiniteFigure(constants.tm * std::pow(adjustedEffort, constants.te));
}

double PhaseFractionAt(const cPhaseDistribution& row, DevelopmentMode mode, double ksloc) {
    if (ksloc <= SizeClassKsloc(kSizeS)) return row.GetFraction(kSizeS);
    // Organic products of 128 KSLOC and more use L: the organic VL column is never read.
    if (mode == DevelopmentMode::Organic && ksloc >= SizeClassKsloc(kSizeL))
        return row.GetFraction(kSizeL);
    if (mode != DevelopmentMode::Organic && ksloc >= SizeClassKsloc(kSizeVL))
        return row.GetFraction(kSizeVL);
    for (int lower = kSizeS; lower < kSizeVL; ++lower) {
        double from = SizeClassKsloc(lower);
        double to = SizeClassKsloc(lower + 1);
        if (ksloc >= from && ksloc < to) {
            double g = (ksloc - from) / (to - from);
            return row.GetFraction(lower) +
                   (row.GetFraction(lower + 1) - row.GetFraction(lower)) * g;
        }
    }
    return row.GetFraction(kSizeS);
}

}  // namespace korval
