#include "simulation/OutputSummary.h"

#include <algorithm>
#include <cmath>

#include "framework/FiniteFigure.h"
#include "framework/SortedQuantile.h"

namespace korval {

namespace {

std::vector<HistogramBin> HistogramOf(const std::vector<double>& sorted) {
    if (sorted.empty()) return {};
    double low = sorted.front();
    double high = sorted.back();
    if (!(high > low)) return {{low, high, static_cast<std::int64_t>(sorted.size())}};
    double width = (high - low) / kHistogramBins;
    std::vector<HistogramBin> bins(kHistogramBins);
    for (int i = 0; i < kHistogramBins; ++i) {
        HistogramBin& bin = bins[static_cast<std::size_t>(i)];
        bin.from = low + width * i;
        bin.to = i + 1 == kHistogramBins ? high : low + width * (i + 1);
    }
    for (double value : sorted) {
        int index = static_cast<int>((value - low) / width);
        bins[static_cast<std::size_t>(std::clamp(index, 0, kHistogramBins - 1))].count++;
    }
    return bins;
}

}  // namespace

double OutputSummary::ValueAt(double percent) const {
    return SortedQuantile(sorted, percent / 100);
}

double OutputSummary::ProbabilityAtMost(double value) const {
    return SortedShareAtMost(sorted, value);
}

OutputSummary Summarize(std::vector<double> values) {
    OutputSummary summary;
    if (values.empty()) return summary;
    std::sort(values.begin(), values.end());
    // Running mean and squared deviations (Welford), in sorted order: all equal values give
    // their value exactly, and figures near the largest double do not overflow the sum.
    double mean = 0;
    double squares = 0;
    double count = 0;
    for (double value : values) {
        count += 1;
        double delta = value - mean;
        mean += delta / count;
        squares += delta * (value - mean);
    }
    summary.mean = FiniteFigure(mean);
    summary.standardDeviation =
        values.size() > 1 ? FiniteFigure(std::sqrt(squares / (count - 1))) : 0;
    summary.minimum = values.front();
    summary.maximum = values.back();
    summary.p10 = SortedQuantile(values, 0.10);
    summary.p50 = SortedQuantile(values, 0.50);
    summary.p80 = SortedQuantile(values, 0.80);
    summary.p90 = SortedQuantile(values, 0.90);
    summary.histogram = HistogramOf(values);
    summary.sorted = std::move(values);
    return summary;
}

}  // namespace korval
