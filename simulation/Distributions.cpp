#include "simulation/Distributions.h"

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/normal.hpp>
#include <cmath>

#include "simulation/PertShape.h"

namespace korval {

namespace {

// Double precision throughout: the default promotion to long double costs ten times the
// time for digits no figure shows.
using Policy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;

double Span(const ThreePointEstimate& e) {
    return e.pessimistic - e.optimistic;
}

}  // namespace

double TriangularQuantile(const ThreePointEstimate& e, double p) {
    double span = Span(e);
    if (!(span > 0)) return e.mostLikely;
    double a = e.optimistic;
    double b = e.pessimistic;
    double c = e.mostLikely;
    double split = (c - a) / span;
    if (p < split) return a + std::sqrt(p * span * (c - a));
    return b - std::sqrt((1 - p) * span * (b - c));
}

double PertQuantile(const ThreePointEstimate& e, double p) {
    double span = Span(e);
    if (!(span > 0)) return e.mostLikely;
    PertShape shape = PertShapeOf(e);
    boost::math::beta_distribution<double, Policy> beta(shape.alpha, shape.beta);
    return e.optimistic + span * boost::math::quantile(beta, p);
}

double ThreePointQuantile(ThreePointShape shape, const ThreePointEstimate& estimate, double p) {
    return shape == ThreePointShape::Pert ? PertQuantile(estimate, p)
                                          : TriangularQuantile(estimate, p);
}

double ThreePointMean(ThreePointShape shape, const ThreePointEstimate& e) {
    if (shape == ThreePointShape::Pert)
        return (e.optimistic + 4 * e.mostLikely + e.pessimistic) / 6;
    return (e.optimistic + e.mostLikely + e.pessimistic) / 3;
}

double ThreePointVariance(ThreePointShape shape, const ThreePointEstimate& e) {
    double a = e.optimistic;
    double b = e.pessimistic;
    double c = e.mostLikely;
    if (shape == ThreePointShape::Pert) {
        double mean = ThreePointMean(shape, e);
        return (mean - a) * (b - mean) / 7;
    }
    return (a * a + b * b + c * c - a * b - a * c - b * c) / 18;
}

double NormalQuantile(double mean, double sd, double p) {
    if (!(sd > 0)) return mean;
    return boost::math::quantile(boost::math::normal_distribution<double, Policy>(mean, sd), p);
}

double LogNormalQuantile(double logMean, double logSd, double p) {
    if (!(logSd > 0)) return std::exp(logMean);
    return boost::math::quantile(
        boost::math::lognormal_distribution<double, Policy>(logMean, logSd), p);
}

}  // namespace korval
