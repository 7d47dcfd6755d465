#pragma once

#include "cli/FiguresJson.h"
#include "simulation/SimulationResults.h"

namespace korval {

// The layout of the simulation JSON, written in it as "simulationSchemaVersion".
inline constexpr int kSimulationSchemaVersion = 1;

// What `korval-cli simulate` prints: the run (trials, seed, distribution), then per output
// its mean, standard deviation, P10, P50, P80, P90, the probability of meeting its target
// and its histogram bins.
Json SimulationJson(const SimulationResults& results);

}  // namespace korval
