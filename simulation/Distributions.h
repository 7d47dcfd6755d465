#pragma once

#include "framework/UncertaintyInputs.h"

// Every draw of the simulation is a uniform number in (0, 1) turned into a value by the
// inverse distribution function (the quantile): the same draw gives the same value on
// every machine, and a quantile of an input maps straight to that input's value.
namespace korval {

// Closed form of the triangular distribution over optimistic, most likely, pessimistic.
double TriangularQuantile(const ThreePointEstimate& estimate, double p);
// The PERT distribution: a beta distribution over optimistic..pessimistic with shape
// parameters 1 + 4 (m - a) / (b - a) and 1 + 4 (b - m) / (b - a), so its mean is
// (a + 4 m + b) / 6. Exact (Boost.Math's beta quantile).
double PertQuantile(const ThreePointEstimate& estimate, double p);
double ThreePointQuantile(ThreePointShape shape, const ThreePointEstimate& estimate, double p);

double ThreePointMean(ThreePointShape shape, const ThreePointEstimate& estimate);
double ThreePointVariance(ThreePointShape shape, const ThreePointEstimate& estimate);

// The normal distribution's quantile; the mean itself when sd is 0.
double NormalQuantile(double mean, double sd, double p);
// The log-normal distribution of exp(X), X normal with these mean and sd.
double LogNormalQuantile(double logMean, double logSd, double p);

}  // namespace korval
