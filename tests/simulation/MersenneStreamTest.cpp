#include <gtest/gtest.h>

#include <random>

#include "simulation/cMersenneStream.h"

namespace korval {
namespace {

// Every figure of a saved seed depends on the stream being the standard engine's to the
// last bit: read a few numbers (a trial), past the lazily twisted half, past a whole round
// and into the next rounds.
TEST(MersenneStreamTest, GivesTheStandardEnginesNumbersHoweverFarItIsRead) {
    const std::uint64_t seeds[] = {0, 1, 42, 0x9E3779B97F4A7C15ULL, ~0ULL};
    const int lengths[] = {0, 1, 3, 155, 156, 157, 311, 312, 313, 1000};
    for (std::uint64_t seed : seeds) {
        for (int length : lengths) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << length << " numbers");
            std::mt19937_64 standard(seed);
            cMersenneStream stream(seed);
            for (int i = 0; i < length; ++i) ASSERT_EQ(stream(), standard()) << "number " << i;
        }
    }
}

}  // namespace
}  // namespace korval
