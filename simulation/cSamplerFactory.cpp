#include "simulation/cSamplerFactory.h"

#include "simulation/PertShape.h"

namespace korval {

std::optional<cThreePointSampler> cSamplerFactory::Make(
    const std::optional<ThreePointEstimate>& estimate, ThreePointShape shape) {
    if (!estimate) return std::nullopt;
    std::shared_ptr<const cBetaQuantileTable> table;
    if (shape == ThreePointShape::Pert && estimate->pessimistic > estimate->optimistic) {
        PertShape beta = PertShapeOf(*estimate);
        auto& slot = tables_[{beta.alpha, beta.beta}];
        if (!slot) slot = std::make_shared<const cBetaQuantileTable>(beta);
        table = slot;
    }
    return cThreePointSampler(*estimate, shape, std::move(table));
}

}  // namespace korval
