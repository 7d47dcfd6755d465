#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korval {

// Which target of the settings an output is measured against.
enum class TargetKind { None, Effort, Cost, Time };

struct HistogramBin {
    double from = 0;
    double to = 0;
    std::int64_t count = 0;
};

// What the trials of one output say: its spread, its percentiles, how likely it meets its
// target and its histogram. The sorted trial values are kept for the S-curve and for
// "which value is P percent likely".
struct OutputSummary {
    std::string key;         // "adjustedEffort", as the JSON names it
    std::string label;       // "Adjusted effort"
    std::string shortLabel;  // "Adj. Effort", as the report's table shows it
    std::string unit;        // "PM", "months", "people", ""
    TargetKind targetKind = TargetKind::None;

    double mean = 0;
    double standardDeviation = 0;
    double minimum = 0;
    double maximum = 0;
    double p10 = 0;
    double p50 = 0;
    double p80 = 0;
    double p90 = 0;
    std::optional<double> target;
    // Share of the trials whose value does not exceed the target.
    std::optional<double> probabilityOfTarget;
    std::vector<HistogramBin> histogram;
    std::vector<double> sorted;

    // The value that percent of the trials do not exceed (0..100), interpolated between
    // neighbouring trials.
    double ValueAt(double percent) const;
    // Share of the trials whose value does not exceed the value.
    double ProbabilityAtMost(double value) const;
};

inline constexpr int kHistogramBins = 20;

// Summarises the trials' values; the order of the values does not matter. With all values
// equal every figure is that value exactly and the deviation 0.
OutputSummary Summarize(std::vector<double> values);

}  // namespace korval
