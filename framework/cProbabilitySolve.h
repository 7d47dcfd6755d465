#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/SimulatedOutputs.h"

namespace korval {

class cModelDoc;
class cPlatformServices;

// One figure the group solves for: the simulation output it reads, the words it is shown
// with and the document's own figure (what every probability gives when nothing varies).
struct ProbabilityOutput {
    std::string key;    // "adjustedEffort"
    std::string label;  // "Adjusted effort (PM)"
    double figure = 0;
};

// "Solve for probability", the group every what-if calculator shares: the figures that a
// probability P (1..99 percent) of the simulated trials do not exceed, read from the same
// trials as the report's simulation block, so P50, P80 and P90 are the report's figures.
// The other way round it tells how likely the calculator's own outputs are to be met.
class cProbabilitySolve {
  public:
    using Fetch = std::function<SimulatedOutputs(const std::vector<std::string>& keys)>;
    static constexpr double kDefaultPercent = 80;

    // Asks the simulation at once: with its results at hand the figures show on opening.
    cProbabilitySolve(cPlatformServices& platform, std::vector<ProbabilityOutput> outputs,
                      Fetch fetch);
    // What the document's program answers for it (cAppContext::simulatedOutputs).
    static Fetch FetchFor(const cModelDoc& document);
    // Why the probability text is refused; empty when it is a number from 1 to 99.
    static std::string PercentProblem(std::string_view text);

    static const char* Title() { return "Solve for probability"; }
    static const char* PercentLabel() { return "Probability (%):"; }
    // "P80": the heading of the solved figures, after the last probability accepted.
    std::string ValueHeading() const;
    static const char* ChanceHeading() { return "Chance of Output"; }

    int OutputCount() const { return static_cast<int>(outputs_.size()); }
    const std::string& GetLabel(int output) const { return outputs_.at(output).label; }
    const std::string& GetPercentText() const { return percentText_; }
    void SetPercentText(std::string text) { percentText_ = std::move(text); }
    double GetPercent() const { return percent_; }

    // Takes the probability typed; false after telling the user why it is refused, with
    // the figures of the last accepted one kept.
    bool OnSolve();
    // Asks the simulation again while its run is under way; true when the answer changed.
    bool Poll();
    bool IsRunning() const { return answer_.status == SimulatedOutputs::Status::Running; }
    // A running simulation can be stopped from the calculator, whose window keeps the
    // application's own Cancel out of reach.
    bool CanCancel() const { return IsRunning() && answer_.cancel != nullptr; }
    void OnCancel();

    // The output's figure at the probability: none while the simulation has no answer.
    std::optional<double> GetValue(int output) const;
    std::string GetValueText(int output) const;
    // The calculator's own result for the output (its Output column), whose chance of being
    // met the group shows; none for an output the calculator does not work out.
    void SetTarget(int output, std::optional<double> value);
    // The percentage of trials at or below the target.
    std::optional<double> GetChance(int output) const;
    std::string GetChanceText(int output) const;
    // One sentence on what the figures mean, or why there are none.
    std::string GetNote() const;

  private:
    bool Simulated() const { return answer_.status == SimulatedOutputs::Status::Ready; }
    const std::vector<double>* Trials(int output) const;
    bool NothingVaries() const;
    std::vector<std::string> Keys() const;

    cPlatformServices& platform_;
    std::vector<ProbabilityOutput> outputs_;
    std::vector<std::optional<double>> targets_;
    Fetch fetch_;
    SimulatedOutputs answer_;
    double percent_ = kDefaultPercent;
    std::string percentText_;
};

}  // namespace korval
