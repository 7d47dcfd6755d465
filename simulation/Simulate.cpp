#include "simulation/Simulate.h"

#include <cmath>
#include <memory>

#include "cocomo/cCocomoDoc.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "simulation/TrialRunner.h"
#include "simulation/cProjectTrialModel.h"
#include "simulation/cSystemTrialModel.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {

struct OutputDefinition {
    const char* key;
    const char* label;
    const char* shortLabel;
    const char* unit;
    TargetKind target;
};

constexpr OutputDefinition kAdjustedEffort{"adjustedEffort", "Adjusted effort", "Adj. Effort", "PM",
                                           TargetKind::Effort};
constexpr OutputDefinition kTimeToDevelop{"timeToDevelop", "Time to develop", "TDEV", "months",
                                          TargetKind::Time};
constexpr OutputDefinition kMainBuildEffort{"mainBuildEffort", "Main build effort (Putnam)",
                                            "Putnam Eff.", "PM", TargetKind::Effort};
constexpr OutputDefinition kPeakStaff{"peakStaff", "Peak staff", "Peak Staff", "people",
                                      TargetKind::None};
constexpr OutputDefinition kMbi{"mbi", "Manpower buildup index", "MBI", "", TargetKind::None};
// 1 in a trial whose schedule the MBI scale does not reach: its mean is their share.
constexpr OutputDefinition kOutsideScale{"putnamOutsideScale",
                                         "Share of trials outside the MBI scale", "Outside MBI", "",
                                         TargetKind::None};
constexpr OutputDefinition kAdjustedFunctionPoints{
    "adjustedFunctionPoints", "Adjusted function points", "Adj. FP", "FP", TargetKind::None};
constexpr OutputDefinition kSourceLines{"sourceLines", "Source lines of code", "SLOC", "SLOC",
                                        TargetKind::None};
constexpr OutputDefinition kTotalEffort{"totalEffort", "Total effort", "Total Effort", "PM",
                                        TargetKind::Effort};
constexpr OutputDefinition kTotalTimeToDevelop{"totalTimeToDevelop", "Total time to develop",
                                               "Total TDEV", "months", TargetKind::Time};
constexpr OutputDefinition kTotalSourceLines{"totalSourceLines", "Total source lines of code",
                                             "Total SLOC", "SLOC", TargetKind::None};
constexpr OutputDefinition kCost{"cost", "Cost", "Cost", "", TargetKind::Cost};
constexpr OutputDefinition kSystemMbi{"systemMbi", "System MBI", "System MBI", "",
                                      TargetKind::None};

// One kind's trial: the outputs it gives and how one trial computes them.
struct TrialPlan {
    std::vector<OutputDefinition> outputs;
    bool sharedBySlot = false;
    std::function<void(cTrialDraws&, double*)> run;
    std::string currency;
};

// The price of an effort in a trial: the document's rate, or one drawn from its
// three-point rate. Only a priced document (a rate above 0, or a rate range) has a cost.
class cTrialCost {
  public:
    cTrialCost(const CostRate& rate, const SimulationSettings& run, cSamplerFactory& samplers)
        : rate_(rate), range_(samplers.Make(run.rate, run.shape)) {}

    bool IsPriced() const { return rate_.IsPriced() || range_.has_value(); }
    double Cost(cTrialDraws& draws, double effort) const {
        if (!range_) return rate_.CostOf(effort);
        // The figure needs no currency: no copy of its text in every trial.
        return CostRate::Checked(range_->Quantile(draws.Uniform(kRateDraw)), {}).CostOf(effort);
    }

  private:
    CostRate rate_;
    std::optional<cThreePointSampler> range_;
};

// Adds the cost output after the others when the document is priced.
template <class Trial>
TrialPlan Priced(TrialPlan plan, const CostRate& rate, const SimulationSettings& run,
                 cSamplerFactory& samplers, Trial effortOf) {
    auto cost = std::make_shared<cTrialCost>(rate, run, samplers);
    if (!cost->IsPriced()) return plan;
    std::size_t at = plan.outputs.size();
    plan.outputs.push_back(kCost);
    plan.currency = rate.currency;
    plan.run = [inner = plan.run, cost, at, effortOf](cTrialDraws& draws, double* out) {
        inner(draws, out);
        out[at] = cost->Cost(draws, effortOf(out));
    };
    return plan;
}

void PutRayleigh(const RayleighTrial& trial, double* out) {
    out[0] = trial.timeToDevelop;
    out[1] = trial.mainBuildEffort;
    out[2] = trial.peakStaff;
    out[3] = trial.mbi;
    out[4] = trial.outsideScale;
}

TrialPlan CocomoPlan(const cCocomoDoc& document) {
    cSamplerFactory samplers;
    const SimulationSettings& run = document.GetUncertainty().run;
    auto model = std::make_shared<cCocomoTrialModel>(document, document.GetUncertainty(), run.shape,
                                                     samplers);
    TrialPlan plan{{kAdjustedEffort, kTimeToDevelop},
                   false,
                   [model](cTrialDraws& draws, double* out) {
                       CocomoTrial trial = model->Run(draws, std::nullopt);
                       out[0] = trial.adjustedEffort;
                       out[1] = trial.timeToDevelop;
                   },
                   {}};
    return Priced(std::move(plan), document.GetCostRate(), run, samplers,
                  [](const double* out) { return out[0]; });
}

TrialPlan FunctionPointPlan(const cFunctionPointDoc& document) {
    cSamplerFactory samplers;
    auto model = std::make_shared<cFunctionPointTrialModel>(
        document, document.GetUncertainty(), document.GetUncertainty().run.shape, samplers);
    return {{kAdjustedFunctionPoints, kSourceLines},
            false,
            [model](cTrialDraws& draws, double* out) {
                FunctionPointTrial trial = model->Run(draws);
                out[0] = trial.adjustedFunctionPoints;
                out[1] = trial.sourceLines;
            },
            {}};
}

TrialPlan RayleighPlan(const cRayleighDoc& document) {
    cSamplerFactory samplers;
    const SimulationSettings& run = document.GetUncertainty().run;
    auto model = std::make_shared<cRayleighTrialModel>(document, document.GetUncertainty(),
                                                       run.shape, samplers);
    TrialPlan plan{{kTimeToDevelop, kMainBuildEffort, kPeakStaff, kMbi, kOutsideScale},
                   false,
                   [model](cTrialDraws& draws, double* out) {
                       PutRayleigh(model->Run(draws, std::nullopt, std::nullopt), out);
                   },
                   {}};
    return Priced(std::move(plan), document.GetCostRate(), run, samplers,
                  [](const double* out) { return out[1]; });
}

TrialPlan ProjectPlan(const cProjectDoc& document) {
    cSamplerFactory samplers;
    const SimulationSettings& run = document.GetSimulationSettings();
    auto model = std::make_shared<cProjectTrialModel>(document, run.shape, samplers);
    TrialPlan plan{{kAdjustedEffort, kTimeToDevelop, kMainBuildEffort, kPeakStaff, kMbi,
                    kSourceLines, kOutsideScale},
                   false,
                   [model](cTrialDraws& draws, double* out) {
                       ProjectTrial trial = model->Run(draws);
                       out[0] = trial.cocomo.adjustedEffort;
                       out[1] = trial.cocomo.timeToDevelop;
                       out[2] = trial.rayleigh.mainBuildEffort;
                       out[3] = trial.rayleigh.peakStaff;
                       out[4] = trial.rayleigh.mbi;
                       out[5] = trial.cocomo.sourceLines;
                       out[6] = trial.rayleigh.outsideScale;
                   },
                   {}};
    return Priced(std::move(plan), document.GetCostRate(), run, samplers,
                  [](const double* out) { return out[0]; });
}

TrialPlan SystemPlan(const cSystemDoc& document) {
    cSamplerFactory samplers;
    const SimulationSettings& run = document.GetSimulationSettings();
    auto model = std::make_shared<cSystemTrialModel>(document);
    TrialPlan plan{{kTotalEffort, kTotalTimeToDevelop, kTotalSourceLines, kSystemMbi},
                   run.correlatedMembers,
                   [model](cTrialDraws& draws, double* out) {
                       thread_local std::vector<MemberFigures> scratch;
                       SystemTotals totals = model->Run(draws, scratch);
                       out[0] = totals.totalEffort;
                       out[1] = totals.totalTdev;
                       out[2] = totals.totalSloc;
                       out[3] = totals.systemMbi;
                   },
                   {}};
    return Priced(std::move(plan), document.GetCostRate(), run, samplers,
                  [](const double* out) { return out[0]; });
}

TrialPlan PlanFor(const cModelDoc& document) {
    if (auto* cocomo = dynamic_cast<const cCocomoDoc*>(&document)) return CocomoPlan(*cocomo);
    if (auto* fp = dynamic_cast<const cFunctionPointDoc*>(&document)) return FunctionPointPlan(*fp);
    if (auto* rayleigh = dynamic_cast<const cRayleighDoc*>(&document))
        return RayleighPlan(*rayleigh);
    if (auto* project = dynamic_cast<const cProjectDoc*>(&document)) return ProjectPlan(*project);
    if (auto* system = dynamic_cast<const cSystemDoc*>(&document)) return SystemPlan(*system);
    return {};
}

const char* KindKey(const cModelDoc& document) {
    switch (document.Kind()) {
        case DocumentKind::Cocomo:
            return "cocomo";
        case DocumentKind::FunctionPoint:
            return "functionPoint";
        case DocumentKind::Rayleigh:
            return "rayleigh";
        case DocumentKind::Project:
            return "project";
        case DocumentKind::System:
            return "system";
    }
    return "unknown";
}

std::optional<double> TargetFor(TargetKind kind, const SimulationSettings& run) {
    switch (kind) {
        case TargetKind::Effort:
            return run.targetEffort;
        case TargetKind::Cost:
            return run.targetCost;
        case TargetKind::Time:
            return run.targetTime;
        case TargetKind::None:
            break;
    }
    return std::nullopt;
}

bool ProjectIsUncertain(const cProjectDoc& project) {
    return !project.GetFunctionPointModel()->GetUncertainty().IsNone() ||
           !project.GetCocomoModel()->GetUncertainty().IsNone() ||
           !project.GetRayleighModel()->GetUncertainty().IsNone();
}

bool AllFinite(const std::vector<double>& values) {
    for (double value : values) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

// Runs the plan's trials and summarises each output; the plan holds copies of what it
// needs, so this may run on any thread while the document changes.
SimulationResults RunPlan(SimulationResults results, const TrialPlan& plan, unsigned threads,
                          SimulationControl* control) {
    std::size_t trials = static_cast<std::size_t>(results.run.trials);
    std::size_t outputCount = plan.outputs.size();
    std::vector<std::vector<double>> columns(outputCount, std::vector<double>(trials));
    std::uint64_t seed = results.run.seed;
    auto runBlock = [&](std::int64_t first, std::int64_t last) {
        std::vector<double> row(outputCount);
        auto runTrial = [&](cTrialDraws& draws, std::int64_t trial) {
            plan.run(draws, row.data());
            for (std::size_t k = 0; k < outputCount; ++k)
                columns[k][static_cast<std::size_t>(trial)] = row[k];
        };
        constexpr std::int64_t kGroup = cTrialDraws::kGroupSize;
        std::int64_t trial = first;
        for (; trial + kGroup <= last; trial += kGroup) {
            auto group =
                cTrialDraws::Group(seed, static_cast<std::uint64_t>(trial), plan.sharedBySlot);
            for (std::int64_t i = 0; i < kGroup; ++i)
                runTrial(group[static_cast<std::size_t>(i)], trial + i);
        }
        for (; trial < last; ++trial) {
            cTrialDraws draws(seed, static_cast<std::uint64_t>(trial), plan.sharedBySlot);
            runTrial(draws, trial);
        }
    };
    results.cancelled = !RunTrialBlocks(results.run.trials, threads, runBlock, control);
    if (results.cancelled) return results;

    for (std::size_t k = 0; k < outputCount; ++k) {
        // The MBI of no size has no value (minus infinity): no trials to summarise.
        if (!AllFinite(columns[k])) continue;
        OutputSummary summary = Summarize(std::move(columns[k]));
        const OutputDefinition& output = plan.outputs[k];
        summary.key = output.key;
        summary.label = output.label;
        summary.shortLabel = output.shortLabel;
        summary.unit = output.target == TargetKind::Cost ? plan.currency : output.unit;
        summary.targetKind = output.target;
        summary.target = TargetFor(output.target, results.run);
        if (summary.target)
            summary.probabilityOfTarget = summary.ProbabilityAtMost(*summary.target);
        results.outputs.push_back(std::move(summary));
    }
    return results;
}

}  // namespace

const OutputSummary* SimulationResults::Find(std::string_view key) const {
    for (const OutputSummary& output : outputs) {
        if (output.key == key) return &output;
    }
    return nullptr;
}

SimulationSettings SimulationSettingsOf(const cModelDoc& document) {
    if (auto* cocomo = dynamic_cast<const cCocomoDoc*>(&document))
        return cocomo->GetUncertainty().run;
    if (auto* fp = dynamic_cast<const cFunctionPointDoc*>(&document))
        return fp->GetUncertainty().run;
    if (auto* rayleigh = dynamic_cast<const cRayleighDoc*>(&document))
        return rayleigh->GetUncertainty().run;
    if (auto* project = dynamic_cast<const cProjectDoc*>(&document))
        return project->GetSimulationSettings();
    if (auto* system = dynamic_cast<const cSystemDoc*>(&document))
        return system->GetSimulationSettings();
    return {};
}

bool HasUncertainty(const cModelDoc& document) {
    if (auto* cocomo = dynamic_cast<const cCocomoDoc*>(&document))
        return !cocomo->GetUncertainty().IsNone();
    if (auto* fp = dynamic_cast<const cFunctionPointDoc*>(&document))
        return !fp->GetUncertainty().IsNone();
    if (auto* rayleigh = dynamic_cast<const cRayleighDoc*>(&document))
        return !rayleigh->GetUncertainty().IsNone();
    if (auto* project = dynamic_cast<const cProjectDoc*>(&document))
        return ProjectIsUncertain(*project) ||
               project->GetSimulationSettings() != SimulationSettings{};
    if (auto* system = dynamic_cast<const cSystemDoc*>(&document)) {
        if (system->GetSimulationSettings() != SimulationSettings{}) return true;
        for (const auto& member : system->GetMembers()) {
            if (member->GetProject() && ProjectIsUncertain(*member->GetProject())) return true;
        }
    }
    return false;
}

SimulationSettings EffectiveSettings(const cModelDoc& document, const SimulationRequest& request) {
    SimulationSettings run = SimulationSettingsOf(document);
    if (request.trials) run.trials = *request.trials;
    if (request.seed) run.seed = *request.seed;
    if (request.targetEffort) run.targetEffort = request.targetEffort;
    if (request.targetCost) run.targetCost = request.targetCost;
    if (request.targetTime) run.targetTime = request.targetTime;
    return run;
}

std::string SimulationRequestProblem(const SimulationRequest& request) {
    if (request.trials) {
        if (std::string problem = TrialsProblem(*request.trials); !problem.empty()) return problem;
    }
    const std::pair<const char*, const std::optional<double>*> targets[] = {
        {"The effort target", &request.targetEffort},
        {"The cost target", &request.targetCost},
        {"The time target", &request.targetTime}};
    for (const auto& [name, target] : targets) {
        if (*target) {
            if (std::string problem = TargetProblem(name, **target); !problem.empty())
                return problem;
        }
    }
    return {};
}

PreparedSimulation PrepareSimulation(const cModelDoc& document, const SimulationRequest& request) {
    SimulationResults results;
    results.kind = KindKey(document);
    results.run = EffectiveSettings(document, request);
    results.uncertain = HasUncertainty(document);
    TrialPlan plan = PlanFor(document);
    unsigned threads = request.threads;
    bool runnable = plan.run && SimulationRequestProblem(request).empty() &&
                    TrialsProblem(results.run.trials).empty();
    return [results = std::move(results), plan = std::move(plan), threads,
            runnable](SimulationControl* control) {
        return runnable ? RunPlan(results, plan, threads, control) : results;
    };
}

SimulationResults Simulate(const cModelDoc& document, const SimulationRequest& request,
                           SimulationControl* control) {
    return PrepareSimulation(document, request)(control);
}

}  // namespace korval
