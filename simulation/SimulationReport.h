#pragma once

#include <functional>

#include "framework/cDrawContext.h"
#include "framework/cModelDoc.h"
#include "simulation/SimulationResults.h"

namespace korval {

// The results block, laid out after every row of the document's report under a heading of
// its own: the run, then a table with each output's mean, standard deviation, P10, P50,
// P80 and P90, then how likely each target is met, then with the Charts switch on a
// histogram and an S-curve of the main outputs (ChartedOutputs). Returns the height advanced.
int DrawSimulationResults(const cModelDoc& document, cDrawContext& dc, int& y,
                          const SimulationResults& results);

class cSimulationCache;

// The results block of the document's current results in the cache. Without them startRun
// is asked to compute them (and may store them at once, or later from another thread);
// meanwhile the document's last results are drawn, or, before any, a "Simulating..." row.
int CachedSimulationAppendix(const cModelDoc& document, cDrawContext& dc, int& y,
                             cSimulationCache& cache,
                             const std::function<void(const cModelDoc&)>& startRun);

// The cache of the programs that simulate on the spot (korval-cli, printing): the report's
// block and the what-if calculators read the same results.
cSimulationCache& ProgramSimulationCache();

// What the programs hand their documents for the end of every report: a document with
// uncertainty settings is simulated and its results block drawn; any other gets nothing,
// so its report stays as it always was.
int SimulationReportAppendix(const cModelDoc& document, cDrawContext& dc, int& y);

}  // namespace korval
