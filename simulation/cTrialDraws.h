#pragma once

#include <array>
#include <cstdint>

#include "simulation/cMersenneStream.h"

namespace korval {

// Which input a draw is for. Members of a fully correlated system draw the same number
// for the same slot; independent ones draw afresh each time.
enum DrawSlot : int {
    kSizeDraw,
    kInfluenceDraw,
    kModelErrorDraw,
    kProductivityDraw,
    kScheduleDraw,
    kRateDraw,
    kFirstDriverDraw,
    kDrawSlotCount = kFirstDriverDraw + 100
};

// The uniform numbers of one trial, from a stream of its own: std::mt19937_64's sequence
// (which the C++ standard fixes) seeded from the run's seed and the trial's number, so
// a trial draws the same numbers whichever thread runs it and whatever ran before.
class cTrialDraws {
  public:
    cTrialDraws(std::uint64_t seed, std::uint64_t trial, bool sharedBySlot);

    // A number in (0, 1), never 0 nor 1, so that every quantile is finite.
    double Uniform(int slot);

    // The draws of the trials first..first+3, their streams seeded together (see
    // cMersenneStream::SeedTogether): the same numbers as made one by one, sooner.
    static constexpr int kGroupSize = cMersenneStream::kSeededTogether;
    static std::array<cTrialDraws, kGroupSize> Group(std::uint64_t seed, std::uint64_t first,
                                                     bool sharedBySlot);

    static std::uint64_t StreamSeed(std::uint64_t seed, std::uint64_t trial);

  private:
    double Next();

    cMersenneStream engine_;
    bool sharedBySlot_;
    // Cleared only when shared: a trial of independent draws never reads it.
    std::array<double, kDrawSlotCount> slots_;
};

}  // namespace korval
