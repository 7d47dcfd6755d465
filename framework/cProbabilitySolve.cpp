#include "framework/cProbabilitySolve.h"

#include <algorithm>
#include <cmath>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "framework/SortedQuantile.h"
#include "framework/cAppContext.h"
#include "framework/cModelDoc.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {

constexpr double kLowestPercent = 1;
constexpr double kHighestPercent = 99;

std::string PercentText(double percent) {
    return FormatNumber("%g", percent);
}

}  // namespace

cProbabilitySolve::cProbabilitySolve(cPlatformServices& platform,
                                     std::vector<ProbabilityOutput> outputs, Fetch fetch)
    : platform_(platform),
      outputs_(std::move(outputs)),
      targets_(outputs_.size()),
      fetch_(std::move(fetch)),
      percentText_(PercentText(kDefaultPercent)) {
    if (fetch_) answer_ = fetch_(Keys());
}

cProbabilitySolve::Fetch cProbabilitySolve::FetchFor(const cModelDoc& document) {
    const SimulatedOutputsSource& source = document.Context().simulatedOutputs;
    if (!source) return {};
    return [&document, source](const std::vector<std::string>& keys) {
        return source(document, keys);
    };
}

std::string cProbabilitySolve::PercentProblem(std::string_view text) {
    if (!IsWholeNumberText(text)) return kNotANumberMessage;
    double percent = ParseLeadingDouble(text);
    // Below 1 or above 99 the figure is the odd extreme trial, no basis for a commitment.
    if (!(percent >= kLowestPercent && percent <= kHighestPercent))
        return "Probability must be between 1 and 99 percent.";
    return {};
}

std::string cProbabilitySolve::ValueHeading() const {
    return "P" + PercentText(percent_);
}

std::vector<std::string> cProbabilitySolve::Keys() const {
    std::vector<std::string> keys;
    for (const ProbabilityOutput& output : outputs_) keys.push_back(output.key);
    return keys;
}

bool cProbabilitySolve::OnSolve() {
    std::string problem = PercentProblem(percentText_);
    if (!problem.empty()) {
        platform_.ShowMessage(problem);
        return false;
    }
    percent_ = ParseLeadingDouble(percentText_);
    // A run cancelled or not yet asked for is asked for again.
    if (fetch_ && !Simulated()) answer_ = fetch_(Keys());
    return true;
}

void cProbabilitySolve::OnCancel() {
    // The run stops on its own thread; the next Poll hears that it was cancelled.
    if (CanCancel()) answer_.cancel();
}

bool cProbabilitySolve::Poll() {
    if (!fetch_ || !IsRunning()) return false;
    SimulatedOutputs before = answer_;
    answer_ = fetch_(Keys());
    return answer_.status != before.status || answer_.progress != before.progress;
}

const std::vector<double>* cProbabilitySolve::Trials(int output) const {
    if (!Simulated() || output < 0 || output >= static_cast<int>(answer_.sorted.size()))
        return nullptr;
    const std::vector<double>& trials = answer_.sorted[static_cast<std::size_t>(output)];
    return trials.empty() ? nullptr : &trials;
}

std::optional<double> cProbabilitySolve::GetValue(int output) const {
    if (output < 0 || output >= OutputCount()) return std::nullopt;
    if (answer_.status == SimulatedOutputs::Status::NotUncertain)
        return outputs_[static_cast<std::size_t>(output)].figure;
    const std::vector<double>* trials = Trials(output);
    if (!trials) return std::nullopt;
    // The very division OutputSummary::ValueAt makes, so P80 is the report's P80 to the bit.
    return SortedQuantile(*trials, percent_ / 100);
}

std::string cProbabilitySolve::GetValueText(int output) const {
    std::optional<double> value = GetValue(output);
    return value ? FigureFieldText(*value) : std::string();
}

void cProbabilitySolve::SetTarget(int output, std::optional<double> value) {
    if (output >= 0 && output < OutputCount()) targets_[static_cast<std::size_t>(output)] = value;
}

std::optional<double> cProbabilitySolve::GetChance(int output) const {
    if (output < 0 || output >= OutputCount()) return std::nullopt;
    const std::optional<double>& target = targets_[static_cast<std::size_t>(output)];
    const std::vector<double>* trials = Trials(output);
    if (!target || !trials) return std::nullopt;
    return 100 * SortedShareAtMost(*trials, *target);
}

std::string cProbabilitySolve::GetChanceText(int output) const {
    std::optional<double> chance = GetChance(output);
    return chance ? FormatNumber("%.0f%%", *chance) : std::string();
}

bool cProbabilitySolve::NothingVaries() const {
    for (const std::vector<double>& trials : answer_.sorted) {
        if (!trials.empty() && trials.front() != trials.back()) return false;
    }
    return true;
}

std::string cProbabilitySolve::GetNote() const {
    using Status = SimulatedOutputs::Status;
    switch (answer_.status) {
        case Status::Unavailable:
            return "The simulation is not available here.";
        case Status::NotUncertain:
            return "No input is uncertain, so the figures are the model's at every probability. "
                   "Give ranges under Uncertainty to see how likely they are.";
        case Status::Running:
            return FormatNumber("Simulating... %.0f%%", 100 * answer_.progress);
        case Status::Cancelled:
            return "The simulation was cancelled; change the model to run it again.";
        case Status::Ready:
            break;
    }
    if (NothingVaries())
        return "No input varies in the Uncertainty settings, so every probability gives the "
               "model's figures.";
    std::size_t trials = 0;
    for (const std::vector<double>& sorted : answer_.sorted)
        trials = std::max(trials, sorted.size());
    if (trials == 0) return "The simulation gives none of these figures.";
    return FormatNumber("%s of %zu simulated trials stay within these figures.",
                        (PercentText(percent_) + "%").c_str(), trials);
}

}  // namespace korval
