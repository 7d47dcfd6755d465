#include "simulation/SimulationReport.h"

#include <string>
#include <vector>

#include "framework/CostRate.h"
#include "framework/NumberText.h"
#include "simulation/Simulate.h"
#include "simulation/SimulationChart.h"
#include "simulation/cSimulationCache.h"

namespace korval {

namespace {

constexpr double kRowSpacing = 0.5;
constexpr double kTableSpacing = 0.05;

std::string Figure(double value) {
    return FormatNumber("%-3.1lf", value);
}

// Money in whole units with thousands grouped, as the cost block shows it.
std::string FigureOf(const OutputSummary& output, double value) {
    return output.targetKind == TargetKind::Cost ? MoneyText(value, "") : Figure(value);
}

std::string UnitWords(const std::string& unit) {
    if (unit == "PM") return " person months";
    if (unit == "months") return " calendar months";
    if (unit == "people") return " people";
    return unit.empty() ? "" : " " + unit;
}

std::string RunText(const SimulationResults& results) {
    std::string text =
        FormatNumber("%lld trials, seed %llu", static_cast<long long>(results.run.trials),
                     static_cast<unsigned long long>(results.run.seed));
    if (results.kind == "system")
        text += results.run.correlatedMembers ? ", members correlated" : ", members independent";
    return text;
}

// A system's members are each drawn as their own project chooses.
std::string ShapeText(const SimulationResults& results) {
    if (results.kind == "system") return "As each member project chooses";
    return results.run.shape == ThreePointShape::Pert ? "PERT (beta)" : "Triangular";
}

constexpr const char* kHeading = "UNCERTAINTY (MONTE CARLO SIMULATION):";

int DrawSimulationCharts(const cModelDoc& document, cDrawContext& dc, int& y,
                         const SimulationResults& results, unsigned flags) {
    int advanced = 0;
    for (const OutputSummary* output : ChartedOutputs(results)) {
        advanced += document.DrawChart(dc, y, output->label + " Histogram",
                                       SimulationHistogramChart(*output), flags);
        advanced += document.DrawChart(dc, y, output->label + " S-Curve",
                                       SimulationSCurveChart(*output), flags);
    }
    return advanced;
}

}  // namespace

int DrawSimulationResults(const cModelDoc& document, cDrawContext& dc, int& y,
                          const SimulationResults& results) {
    unsigned flags = TextFlags::kBase;
    int advanced = document.DrawRow(dc, y, kHeading, "", "", "", flags, kRowSpacing);
    advanced += document.DrawRow(dc, y, "", "Trials:", RunText(results), "", flags, kRowSpacing);
    advanced += document.DrawRow(dc, y, "", "Three-Point Estimates:", ShapeText(results), "", flags,
                                 kRowSpacing);
    advanced += document.DrawArrayRow(
        dc, y, {"Figure", "Mean", "Std. Dev.", "P10", "P50", "P80", "P90"}, flags, kTableSpacing);
    for (const OutputSummary& output : results.outputs) {
        advanced +=
            document.DrawArrayRow(dc, y,
                                  {output.shortLabel, FigureOf(output, output.mean),
                                   FigureOf(output, output.standardDeviation),
                                   FigureOf(output, output.p10), FigureOf(output, output.p50),
                                   FigureOf(output, output.p80), FigureOf(output, output.p90)},
                                  flags, kTableSpacing);
    }
    for (const OutputSummary& output : results.outputs) {
        if (!output.target || !output.probabilityOfTarget) continue;
        // The chance of staying within the target, the share of trials that did.
        advanced += document.DrawRow(
            dc, y, "", output.shortLabel + " Target:",
            FigureOf(output, *output.target) + UnitWords(output.unit) +
                FormatNumber(" met in %.1f %% of trials", *output.probabilityOfTarget * 100),
            "", flags, kRowSpacing);
    }
    if (document.GetFilter(cModelDoc::kChartsSwitch) == FilterState::On)
        advanced += DrawSimulationCharts(document, dc, y, results, flags);
    return advanced;
}

int CachedSimulationAppendix(const cModelDoc& document, cDrawContext& dc, int& y,
                             cSimulationCache& cache,
                             const std::function<void(const cModelDoc&)>& startRun) {
    if (!HasUncertainty(document)) return 0;
    const SimulationResults* results = cache.Current(document);
    if (!results) {
        startRun(document);
        results = cache.Current(document);
    }
    if (!results) results = cache.Last(document);
    if (!results) {
        int advanced = document.DrawRow(dc, y, kHeading, "", "", "", TextFlags::kBase, kRowSpacing);
        return advanced +
               document.DrawRow(dc, y, "", "Simulating...", "", "", TextFlags::kBase, kRowSpacing);
    }
    if (results->outputs.empty()) return 0;
    return DrawSimulationResults(document, dc, y, *results);
}

cSimulationCache& ProgramSimulationCache() {
    // One program's documents, each kept under its revision: laying a report out again
    // (the desktop's print preview, then its PDF) runs no trials twice.
    static cSimulationCache cache;
    return cache;
}

int SimulationReportAppendix(const cModelDoc& document, cDrawContext& dc, int& y) {
    cSimulationCache& cache = ProgramSimulationCache();
    return CachedSimulationAppendix(document, dc, y, cache, [&cache](const cModelDoc& pending) {
        cache.Get(pending, [&pending] { return Simulate(pending); });
    });
}

}  // namespace korval
