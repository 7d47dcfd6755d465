#include "simulation/cMersenneStream.h"

namespace korval {

namespace {

// The parameters of std::mt19937_64, as the C++ standard gives them.
constexpr std::uint64_t kSeedMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kTwistMatrix = 0xB5026F5AA96619E9ULL;
constexpr std::uint64_t kLowerMask = (1ULL << 31) - 1;
constexpr std::uint64_t kUpperMask = ~kLowerMask;

std::uint64_t Twisted(std::uint64_t word, std::uint64_t nextWord, std::uint64_t farWord) {
    std::uint64_t y = (word & kUpperMask) | (nextWord & kLowerMask);
    return farWord ^ (y >> 1) ^ ((y & 1) ? kTwistMatrix : 0);
}

std::uint64_t Tempered(std::uint64_t y) {
    y ^= (y >> 29) & 0x5555555555555555ULL;
    y ^= (y << 17) & 0x71D67FFFEDA60000ULL;
    y ^= (y << 37) & 0xFFF7EEE000000000ULL;
    return y ^ (y >> 43);
}

std::uint64_t SeededAfter(std::uint64_t previous, int word) {
    return kSeedMultiplier * (previous ^ (previous >> 62)) + static_cast<std::uint64_t>(word);
}

}  // namespace

cMersenneStream::cMersenneStream(std::uint64_t seed) {
    words_[0] = seed;
}

void cMersenneStream::SeedUpTo(int word) {
    for (; seeded_ <= word; ++seeded_) {
        words_[static_cast<std::size_t>(seeded_)] =
            SeededAfter(words_[static_cast<std::size_t>(seeded_ - 1)], seeded_);
    }
}

void cMersenneStream::SeedTogether(const std::array<cMersenneStream*, kSeededTogether>& streams) {
    constexpr int kLastWord = kShift + kNumbersSeededTogether - 1;
    std::array<std::uint64_t*, kSeededTogether> words{};
    std::array<std::uint64_t, kSeededTogether> last{};
    for (std::size_t i = 0; i < kSeededTogether; ++i) {
        if (streams[i]->seeded_ != 1) return;
        words[i] = streams[i]->words_.data();
        last[i] = words[i][0];
    }
    for (int word = 1; word <= kLastWord; ++word) {
        // Unrolled, the chains stay in registers.
#pragma GCC unroll 4
        for (std::size_t i = 0; i < kSeededTogether; ++i) {
            last[i] = SeededAfter(last[i], word);
            words[i][word] = last[i];
        }
    }
    for (cMersenneStream* stream : streams) stream->seeded_ = kLastWord + 1;
}

// Word k of the first half takes the untwisted words k, k + 1 and k + 156; of the second
// half the untwisted k, k + 1 and the twisted k - 156; the last word wraps to word 0.
// Split so, each loop reads its words without wrapping indices, as the standard engine's.
void cMersenneStream::TwistFrom(int first) {
    SeedUpTo(kWords - 1);
    std::uint64_t* x = words_.data();
    int k = first;
    for (; k < kWords - kShift; ++k) x[k] = Twisted(x[k], x[k + 1], x[k + kShift]);
    for (; k < kWords - 1; ++k) x[k] = Twisted(x[k], x[k + 1], x[k + kShift - kWords]);
    x[kWords - 1] = Twisted(x[kWords - 1], x[0], x[kShift - 1]);
    twisted_ = kWords;
}

void cMersenneStream::Advance() {
    if (next_ == kWords) {
        next_ = 0;
        TwistFrom(0);
    } else if (next_ < kShift) {
        SeedUpTo(next_ + kShift);
        std::size_t k = static_cast<std::size_t>(next_);
        words_[k] = Twisted(words_[k], words_[k + 1], words_[k + kShift]);
        twisted_ = next_ + 1;
    } else {
        TwistFrom(twisted_);
    }
}

std::uint64_t cMersenneStream::operator()() {
    if (next_ >= twisted_) Advance();
    return Tempered(words_[static_cast<std::size_t>(next_++)]);
}

}  // namespace korval
