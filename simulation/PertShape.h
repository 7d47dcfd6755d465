#pragma once

#include "framework/UncertaintyInputs.h"

namespace korval {

// The beta shape parameters of a PERT estimate with pessimistic above optimistic.
struct PertShape {
    double alpha = 1;
    double beta = 1;

    bool operator==(const PertShape&) const = default;
};

inline PertShape PertShapeOf(const ThreePointEstimate& e) {
    double span = e.pessimistic - e.optimistic;
    return {1 + 4 * (e.mostLikely - e.optimistic) / span,
            1 + 4 * (e.pessimistic - e.mostLikely) / span};
}

}  // namespace korval
