#pragma once

#include <vector>

#include "framework/chart/ChartContent.h"
#include "simulation/SimulationResults.h"

namespace korval {

// How many trials fell in each bin of the output, as steps over the output's values.
ChartContent SimulationHistogramChart(const OutputSummary& output);
// The S-curve: the share of trials at or below each value, rising to 1, with P50, P80 and
// the target (when one is set) marked.
ChartContent SimulationSCurveChart(const OutputSummary& output);
// The outputs worth a chart: the first of each target kind (effort, time to develop, cost),
// so a report shows the main figures without a chart for every output.
std::vector<const OutputSummary*> ChartedOutputs(const SimulationResults& results);

}  // namespace korval
