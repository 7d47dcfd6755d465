#pragma once

#include <cstdint>

namespace korval {

// One cell of a function point count: how many functions of one type and complexity,
// and how many function points each is worth.
class cFunctionCount {
  public:
    cFunctionCount() = default;
    cFunctionCount(int count, int weight);

    int GetCount() const { return count_; }
    int GetWeight() const { return weight_; }
    // A negative value is ignored: the field keeps what it held.
    void SetCount(int count);
    void SetWeight(int weight);

    // count x weight. Both are never negative, so the product of two 32-bit values always
    // fits, and three of them still add up within 64 unsigned bits.
    std::uint64_t Product() const;

    bool operator==(const cFunctionCount&) const = default;

  private:
    int count_ = 0;
    int weight_ = 0;
};

}  // namespace korval
