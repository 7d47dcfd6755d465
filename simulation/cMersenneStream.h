#pragma once

#include <array>
#include <cstdint>

namespace korval {

// std::mt19937_64's numbers for one seed, computed only as far as they are read. The
// standard engine seeds all 312 state words and twists them all before its first number,
// which costs a trial far more than its few draws; the first 156 numbers need only the
// seeded words up to 156 places ahead of them, so a stream that reads a few numbers
// seeds and twists a few words. Past that the whole state is seeded and twisted as the
// standard engine does, so every number of the sequence is the standard one.
class cMersenneStream {
  public:
    explicit cMersenneStream(std::uint64_t seed);

    std::uint64_t operator()();

    // Seeds, in each of the streams (just made), the words their first numbers read. The
    // seeding is a chain of multiplications each waiting for the last; the chains of
    // several streams run side by side keep the processor busy where one leaves it
    // waiting. Numbers past those are seeded as they are read, as in any stream.
    static constexpr int kSeededTogether = 4;
    static void SeedTogether(const std::array<cMersenneStream*, kSeededTogether>& streams);

  private:
    static constexpr int kWords = 312;
    static constexpr int kShift = 156;
    // The numbers SeedTogether prepares: as many as a project's trial reads.
    static constexpr int kNumbersSeededTogether = 8;

    void SeedUpTo(int word);
    // Twists the words first..311 of this round (the earlier ones are twisted).
    void TwistFrom(int first);
    // Makes the word the next number is tempered from ready.
    void Advance();

    std::array<std::uint64_t, kWords> words_;
    int seeded_ = 1;   // words 0..seeded_-1 hold their seeded value (or a twisted one)
    int twisted_ = 0;  // words 0..twisted_-1 of this round are twisted
    int next_ = 0;     // the word the next number is tempered from
};

}  // namespace korval
