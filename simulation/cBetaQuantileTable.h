#pragma once

#include <vector>

#include "simulation/PertShape.h"

namespace korval {

// The quantile function of one beta distribution, tabulated once from Boost.Math's exact
// quantile so that each draw costs a few multiplications instead of an iterative inversion
// (a system's trials draw millions of PERT values). Near 0 the quantile of beta(a, b)
// grows as p^(1/a), so each half is tabulated over s = p^(1/a) (the upper half as the
// mirrored distribution beta(b, a) at 1 - p), where it is smooth up to the end; a cubic
// Hermite curve with the exact slopes joins the nodes.
class cBetaQuantileTable {
  public:
    static constexpr int kIntervals = 256;

    explicit cBetaQuantileTable(const PertShape& shape);

    // The quantile in 0..1 for p in (0, 1).
    double Quantile(double p) const;

  private:
    // One half: the quantile of beta(a, b) for p up to 1/2.
    struct Half {
        double a = 1;
        double inverseA = 1;         // 1 / a, once rather than at every draw
        double step = 0;             // in s = p^(1/a)
        std::vector<double> values;  // Q at the nodes
        std::vector<double> slopes;  // dQ/ds at the nodes
        Half(double a, double b);
        double Quantile(double p) const;
    };

    Half lower_;
    Half upper_;
};

}  // namespace korval
