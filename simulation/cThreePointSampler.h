#pragma once

#include <memory>

#include "framework/UncertaintyInputs.h"
#include "simulation/cBetaQuantileTable.h"

namespace korval {

// One three-point input made ready for many draws: its estimate, its shape and, for PERT,
// the tabulated beta quantile (shared by every sampler of the same beta shape).
class cThreePointSampler {
  public:
    cThreePointSampler(const ThreePointEstimate& estimate, ThreePointShape shape,
                       std::shared_ptr<const cBetaQuantileTable> table);

    double Quantile(double p) const;
    const ThreePointEstimate& Estimate() const { return estimate_; }

  private:
    ThreePointEstimate estimate_;
    ThreePointShape shape_;
    std::shared_ptr<const cBetaQuantileTable> table_;
};

}  // namespace korval
