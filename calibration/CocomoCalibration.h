#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calibration/Accuracy.h"
#include "calibration/History.h"
#include "cocomo/CocomoTables.h"

namespace korval {

// The nominal effort equation effort = a x KSLOC^b x EAF fitted to a history by least
// squares on log(effort / EAF): a alone with b at the profile's value from kMinimumForA
// projects of a mode, a and b together from kMinimumForAB. A history without a mode column
// is one group fitted with the semidetached exponent, and its equation serves every mode.
struct CocomoModeFit {
    static constexpr std::size_t kMinimumForA = 5;
    static constexpr std::size_t kMinimumForAB = 10;

    std::optional<DevelopmentMode> mode;  // nothing: every project, the history has no modes
    std::size_t projects = 0;
    ModeConstants current;
    std::optional<double> aWithFixedB;
    std::optional<double> aTogether;
    std::optional<double> bTogether;
    // The constants the calibrated profile holds: the a and b of the fit with both when
    // there is one, else the fitted a with the current b, as the profile writes them.
    ModeConstants calibrated;
    std::vector<std::string> notes;  // why a fit is missing

    bool HasFit() const { return aWithFixedB.has_value() || aTogether.has_value(); }
};

struct CocomoCalibration {
    std::vector<CocomoModeFit> modes;
    std::vector<EstimatePoint> points;  // effort in person-months
    ModelAccuracy accuracy;
    std::size_t withoutMode = 0;  // projects left out for an empty mode cell
};

CocomoCalibration CalibrateCocomo(const History& history,
                                  const std::array<ModeConstants, kDevelopmentModeCount>& current);

// A mode constant as the profile holds it: at most five characters ("3.417", "12.35").
// Nothing when the value cannot be written so (not above 0, or 100000 and more).
std::optional<std::string> ModeConstantText(double value);

// "Organic", "Semidetached", "Embedded", or "All projects" for the one group.
std::string ModeFitLabel(const CocomoModeFit& fit);

}  // namespace korval
