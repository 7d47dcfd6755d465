#include <gtest/gtest.h>

#include <random>

#include "simulation/cMersenneStream.h"
#include "simulation/cTrialDraws.h"

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

TEST(MersenneStreamTest, StreamsSeededTogetherGiveTheirOwnNumbers) {
    const int lengths[] = {1, 8, 9, 157, 400};
    for (int length : lengths) {
        SCOPED_TRACE(testing::Message() << length << " numbers");
        std::array<cMersenneStream, cMersenneStream::kSeededTogether> streams{
            cMersenneStream(3), cMersenneStream(4), cMersenneStream(5), cMersenneStream(6)};
        cMersenneStream::SeedTogether({&streams[0], &streams[1], &streams[2], &streams[3]});
        for (std::size_t s = 0; s < streams.size(); ++s) {
            std::mt19937_64 standard(3 + s);
            for (int i = 0; i < length; ++i) ASSERT_EQ(streams[s](), standard()) << "number " << i;
        }
    }
}

TEST(MersenneStreamTest, AGroupOfTrialDrawsDrawsAsEachTrialAlone) {
    for (bool shared : {false, true}) {
        auto group = cTrialDraws::Group(9, 40, shared);
        for (std::uint64_t i = 0; i < group.size(); ++i) {
            cTrialDraws alone(9, 40 + i, shared);
            for (int slot = 0; slot < 12; ++slot)
                ASSERT_EQ(group[i].Uniform(slot % 7), alone.Uniform(slot % 7));
        }
    }
}

}  // namespace
}  // namespace korval
