#pragma once

#include "framework/cDrawContext.h"
#include "framework/cModelDoc.h"
#include "simulation/SimulationResults.h"

namespace korval {

// The results block, laid out after every row of the document's report under a heading of
// its own: the run, then a table with each output's mean, standard deviation, P10, P50,
// P80 and P90, then how likely each target is met. Returns the height advanced.
int DrawSimulationResults(const cModelDoc& document, cDrawContext& dc, int& y,
                          const SimulationResults& results);

// What the programs hand their documents for the end of every report: a document with
// uncertainty settings is simulated and its results block drawn; any other gets nothing,
// so its report stays as it always was.
int SimulationReportAppendix(const cModelDoc& document, cDrawContext& dc, int& y);

}  // namespace korval
