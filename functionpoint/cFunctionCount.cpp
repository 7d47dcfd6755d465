#include "functionpoint/cFunctionCount.h"

namespace korval {

cFunctionCount::cFunctionCount(int count, int weight) {
    SetCount(count);
    SetWeight(weight);
}

void cFunctionCount::SetCount(int count) {
    if (count >= 0) count_ = count;
}

void cFunctionCount::SetWeight(int weight) {
    if (weight >= 0) weight_ = weight;
}

std::uint64_t cFunctionCount::Product() const {
    return static_cast<std::uint64_t>(count_) * static_cast<std::uint64_t>(weight_);
}

}  // namespace korval
