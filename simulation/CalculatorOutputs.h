#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/SimulatedOutputs.h"
#include "framework/cModelDoc.h"

namespace korval {

class cSimulationCache;

// What the what-if calculators are told about the document from the cache: its current
// results, or, without them, what startRun says after being asked to compute them (it
// returns the share of the trials done, and may store the results at once). Each output
// asked for is a copy of the sorted trials the report summarises, so the calculators'
// percentiles are the report's.
SimulatedOutputs CachedCalculatorOutputs(const cModelDoc& document,
                                         const std::vector<std::string>& keys,
                                         cSimulationCache& cache,
                                         const std::function<double(const cModelDoc&)>& startRun);

// What korval-cli and the printing program hand their documents: the trials run at once,
// in the cache the report's simulation block reads.
SimulatedOutputs ProgramCalculatorOutputs(const cModelDoc& document,
                                          const std::vector<std::string>& keys);

}  // namespace korval
