#pragma once

#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "framework/UncertaintyInputs.h"
#include "simulation/cThreePointSampler.h"

namespace korval {

// Makes the samplers of one simulation, tabulating each beta shape once however many
// inputs (the members of a system) share it.
class cSamplerFactory {
  public:
    std::optional<cThreePointSampler> Make(const std::optional<ThreePointEstimate>& estimate,
                                           ThreePointShape shape);

  private:
    std::map<std::pair<double, double>, std::shared_ptr<const cBetaQuantileTable>> tables_;
};

}  // namespace korval
