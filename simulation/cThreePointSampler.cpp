#include "simulation/cThreePointSampler.h"

#include "simulation/Distributions.h"

namespace korval {

cThreePointSampler::cThreePointSampler(const ThreePointEstimate& estimate, ThreePointShape shape,
                                       std::shared_ptr<const cBetaQuantileTable> table)
    : estimate_(estimate), shape_(shape), table_(std::move(table)) {}

double cThreePointSampler::Quantile(double p) const {
    double span = estimate_.pessimistic - estimate_.optimistic;
    if (shape_ == ThreePointShape::Triangular || !table_ || !(span > 0))
        return TriangularQuantile(estimate_, p);
    return estimate_.optimistic + span * table_->Quantile(p);
}

}  // namespace korval
