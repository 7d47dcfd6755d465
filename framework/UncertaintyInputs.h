#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What every kind's uncertainty settings share: three-point estimates, the shape they are
// drawn from, the run's trials, seed and targets, and how a file keeps them. A file without
// these keys reads as "no uncertainty"; a value that cannot be read counts as not given,
// so a spoiled section never stops a file from opening.
namespace korval {

// How a three-point estimate is spread between its ends.
enum class ThreePointShape { Triangular = 0, Pert = 1 };

// Optimistic (lowest), most likely and pessimistic (highest) value of one input.
struct ThreePointEstimate {
    double optimistic = 0;
    double mostLikely = 0;
    double pessimistic = 0;

    bool operator==(const ThreePointEstimate&) const = default;
};

// The lowest and the highest of a row of ordered ratings an input may take (numbered from
// 0, lowest first).
struct RatingRange {
    int lowest = 0;
    int highest = 0;

    bool operator==(const RatingRange&) const = default;
};

// No input of any model comes near this (sizes, months, function points, a rate per
// person-month in any currency); far beyond it the distributions' own arithmetic overflows.
inline constexpr double kThreePointCeiling = 1e12;
// The largest size or time to develop the model fields take: their ranges stop there too.
inline constexpr double kLargestFieldValue = 999999999;

// Why the estimate cannot be simulated, naming the input; empty when it can: every value
// a finite number from 0 to kThreePointCeiling, optimistic <= most likely <= pessimistic.
std::string ThreePointProblem(std::string_view inputName, const ThreePointEstimate& estimate,
                              double ceiling = kThreePointCeiling);

inline constexpr std::int64_t kDefaultTrials = 10000;
inline constexpr std::int64_t kMaxTrials = 1000000;
inline constexpr std::uint64_t kDefaultSeed = 1;

// The run of one simulation: shared by every kind, kept in each document's own section.
struct SimulationSettings {
    ThreePointShape shape = ThreePointShape::Triangular;
    std::int64_t trials = kDefaultTrials;
    std::uint64_t seed = kDefaultSeed;
    // The effort (person-months), cost and time (months) the estimate should meet.
    std::optional<double> targetEffort;
    std::optional<double> targetCost;
    std::optional<double> targetTime;
    // Systems only: every member draws the same quantile of each input.
    bool correlatedMembers = false;
    // The labour rate per person-month, when it is uncertain (kinds with a cost only).
    std::optional<ThreePointEstimate> rate;

    bool operator==(const SimulationSettings&) const = default;
};

// Why the trial count cannot be run; empty when it is 1..kMaxTrials.
std::string TrialsProblem(std::int64_t trials);
// Why a target cannot be used (not a finite number, or below 0); empty when it can.
std::string TargetProblem(std::string_view targetName, double target);

// The texts of a simulation number in fields and on the command line: a whole decimal
// number, nothing for any other text (nan, inf, hex, trailing letters).
std::optional<double> ParseSimulationNumber(std::string_view text);
// A whole non-negative integer that fits 64 bits; nothing for any other text.
std::optional<std::uint64_t> ParseSimulationCount(std::string_view text);

// Three keys KEY_Optimistic, KEY_Most_Likely and KEY_Pessimistic; nothing when one is
// missing, is not a number, or the three cannot be simulated.
std::optional<ThreePointEstimate> ReadThreePoint(std::string_view section, std::string_view key,
                                                 const std::string& path,
                                                 double ceiling = kThreePointCeiling);
// Writes the three keys, nothing for no estimate (see WriteOptionalValue).
[[nodiscard]] bool WriteThreePoint(std::string_view section, std::string_view key,
                                   const std::optional<ThreePointEstimate>& estimate,
                                   const std::string& path);
// A number key that holds a finite value not below 0; nothing otherwise.
std::optional<double> ReadNonNegative(std::string_view section, std::string_view key,
                                      const std::string& path);
// Writes the text; an empty text only over a value the file has, so settings left out
// add no keys.
[[nodiscard]] bool WriteOptionalValue(std::string_view section, std::string_view key,
                                      std::string_view text, const std::string& path);
// Writes the number, or nothing for none (see WriteOptionalValue).
[[nodiscard]] bool WriteOptionalNumber(std::string_view section, std::string_view key,
                                       const std::optional<double>& value, const std::string& path);

// The run's keys in the section; every key that cannot be read keeps its default.
SimulationSettings ReadSimulationSettings(std::string_view section, const std::string& path);
[[nodiscard]] bool WriteSimulationSettings(std::string_view section,
                                           const SimulationSettings& settings,
                                           const std::string& path);
// Whether the file has the section at all (its Trials key, which every save writes).
bool HasSimulationSection(std::string_view section, const std::string& path);

// "TRIANGULAR" or "PERT".
std::string_view ThreePointShapeToken(ThreePointShape shape);

}  // namespace korval
