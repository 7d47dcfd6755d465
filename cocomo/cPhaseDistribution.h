#pragma once

#include <array>
#include <string>

#include "cocomo/CocomoTables.h"

namespace korval {

// One row of the phase distribution table: the share (0..1) of the effort or of the
// schedule that falls to the row's phase, for each size class S, I, M, L and VL. The
// name is the row's section in profile and model files.
class cPhaseDistribution {
  public:
    cPhaseDistribution(std::string name, const std::array<double, kSizeClassCount>& fractions)
        : name_(std::move(name)), fractions_(fractions) {}

    const std::string& GetName() const { return name_; }
    double GetFraction(int sizeClass) const {
        return fractions_[static_cast<std::size_t>(sizeClass)];
    }
    void SetFraction(int sizeClass, double fraction) {
        fractions_[static_cast<std::size_t>(sizeClass)] = fraction;
    }

  private:
    std::string name_;
    std::array<double, kSizeClassCount> fractions_{};
};

}  // namespace korval
