#include "simulation/cTrialDraws.h"

namespace korval {

namespace {

// SplitMix64's finaliser: neighbouring trial numbers give unrelated seeds.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

std::uint64_t cTrialDraws::StreamSeed(std::uint64_t seed, std::uint64_t trial) {
    return Mix(Mix(seed + 0x9E3779B97F4A7C15ULL) + trial * 0x9E3779B97F4A7C15ULL);
}

cTrialDraws::cTrialDraws(std::uint64_t seed, std::uint64_t trial, bool sharedBySlot)
    : engine_(StreamSeed(seed, trial)), sharedBySlot_(sharedBySlot) {
    if (sharedBySlot_) slots_.fill(0);
}

std::array<cTrialDraws, cTrialDraws::kGroupSize> cTrialDraws::Group(std::uint64_t seed,
                                                                    std::uint64_t first,
                                                                    bool sharedBySlot) {
    static_assert(kGroupSize == 4);
    std::array<cTrialDraws, kGroupSize> group{
        cTrialDraws(seed, first, sharedBySlot), cTrialDraws(seed, first + 1, sharedBySlot),
        cTrialDraws(seed, first + 2, sharedBySlot), cTrialDraws(seed, first + 3, sharedBySlot)};
    cMersenneStream::SeedTogether(
        {&group[0].engine_, &group[1].engine_, &group[2].engine_, &group[3].engine_});
    return group;
}

double cTrialDraws::Next() {
    // The top 53 bits, centred in their interval: (k + 0.5) / 2^53.
    return (static_cast<double>(engine_() >> 11) + 0.5) * 0x1.0p-53;
}

double cTrialDraws::Uniform(int slot) {
    if (!sharedBySlot_ || slot < 0 || slot >= kDrawSlotCount) return Next();
    double& value = slots_[static_cast<std::size_t>(slot)];
    if (value == 0) value = Next();
    return value;
}

}  // namespace korval
