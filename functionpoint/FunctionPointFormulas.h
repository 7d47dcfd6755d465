#pragma once

// The function point equations the document's figures and the simulation's trials share.
namespace korval {

// 0.65 + 0.01 x the total degree of influence of the 14 characteristics.
inline double ValueAdjustmentFactorFor(double totalDegreeOfInfluence) {
    return 0.65 + 0.01 * totalDegreeOfInfluence;
}

}  // namespace korval
