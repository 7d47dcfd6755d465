#pragma once

#include <optional>
#include <vector>

#include "framework/EstimateWarning.h"
#include "rayleigh/PutnamPlan.h"

namespace korval {

class cCocomoDoc;
class cRayleighDoc;

// A project sizes once and estimates with two models; a reviewer asks whether they agree.
// Efforts compare COCOMO's adjusted effort (design through integration and test) with
// Putnam's main build effort, the development part of his life cycle.
struct ModelConsistency {
    double cocomoEffort = 0;  // person-months
    double cocomoTdev = 0;    // months
    // Putnam's own estimate at the planned buildup level.
    double ownMainBuildMonths = 0;
    double ownMainBuildEffort = 0;
    // Putnam at COCOMO's schedule (its main build share of it), where the scale reaches it.
    ScheduleFit fit = ScheduleFit::kUndefined;
    std::optional<double> atCocomoScheduleEffort;
    // The Putnam effort the project's plan shows, over COCOMO's; nothing without both.
    std::optional<double> effortRatio;
    // The productivity index at which Putnam's main build at COCOMO's schedule takes
    // COCOMO's effort (the achieved index of calibration), and the one in use.
    std::optional<double> matchingIndex;
    double indexInUse = 0;
};

// Efforts further apart than this factor are said to disagree.
inline constexpr double kDisagreementFactor = 2.0;

ModelConsistency CheckConsistency(const cCocomoDoc& cocomo, const cRayleighDoc& rayleigh);

// The warning when the two efforts disagree, naming the likely cause; none when they agree.
std::vector<EstimateWarning> ConsistencyWarnings(const ModelConsistency& consistency,
                                                 const cRayleighDoc& rayleigh);

}  // namespace korval
