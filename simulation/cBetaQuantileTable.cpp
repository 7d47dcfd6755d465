#include "simulation/cBetaQuantileTable.h"

#include <boost/math/distributions/beta.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <cmath>

namespace korval {

namespace {
using Policy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;
}  // namespace

cBetaQuantileTable::Half::Half(double shapeA, double shapeB)
    : a(shapeA),
      inverseA(1 / shapeA),
      step(std::pow(0.5, 1 / shapeA) / kIntervals),
      values(kIntervals + 1),
      slopes(kIntervals + 1) {
    boost::math::beta_distribution<double, Policy> beta(shapeA, shapeB);
    // Near 0, p = Q^a / (a B(a, b)), so Q = (a B(a, b))^(1/a) s.
    values[0] = 0;
    slopes[0] = std::pow(a * boost::math::beta(shapeA, shapeB, Policy()), 1 / a);
    for (int i = 1; i <= kIntervals; ++i) {
        std::size_t at = static_cast<std::size_t>(i);
        double s = i * step;
        double p = std::pow(s, a);
        values[at] = boost::math::quantile(beta, p);
        double density = boost::math::pdf(beta, values[at]);
        // dQ/ds = dQ/dp x dp/ds = a s^(a - 1) / density.
        slopes[at] = density > 0 ? a * std::pow(s, a - 1) / density : 0;
    }
}

double cBetaQuantileTable::Half::Quantile(double p) const {
    double position = std::pow(p, inverseA) / step;
    int node = static_cast<int>(position);
    if (node >= kIntervals) node = kIntervals - 1;
    std::size_t i = static_cast<std::size_t>(node);
    double t = position - node;
    double t2 = t * t;
    double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * values[i] + (t3 - 2 * t2 + t) * step * slopes[i] +
           (-2 * t3 + 3 * t2) * values[i + 1] + (t3 - t2) * step * slopes[i + 1];
}

cBetaQuantileTable::cBetaQuantileTable(const PertShape& shape)
    : lower_(shape.alpha, shape.beta), upper_(shape.beta, shape.alpha) {}

double cBetaQuantileTable::Quantile(double p) const {
    return p <= 0.5 ? lower_.Quantile(p) : 1 - upper_.Quantile(1 - p);
}

}  // namespace korval
