#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/FiguresJson.h"
#include "simulation/SimulationResults.h"

namespace korval {

// simulate's --percentile options as given ("75", "5,95"): the percents asked for, in the
// order given and each once, or the message about the first text that is no percent
// from 0 to 100.
std::variant<std::vector<double>, std::string> ParsePercentiles(
    const std::vector<std::string>& texts);

// The simulation JSON with each output's "percentiles" added ({"75": value, ...}, the
// value that percent of the trials do not exceed); without percents it stays as it was.
Json WithPercentiles(Json simulation, const SimulationResults& results,
                     const std::vector<double>& percents);

}  // namespace korval
