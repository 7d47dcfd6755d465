#pragma once

#include <functional>
#include <string>

#include "framework/cModelDoc.h"
#include "simulation/SimulationResults.h"

namespace korval {

// The run settings the document keeps (a project's and a system's own, a model's own).
SimulationSettings SimulationSettingsOf(const cModelDoc& document);
// Whether any input of the document (or, for a system, of any member) varies.
bool HasUncertainty(const cModelDoc& document);
// The document's settings with the request's overrides applied.
SimulationSettings EffectiveSettings(const cModelDoc& document, const SimulationRequest& request);
// Why the request cannot be run (trials out of range, a target below 0 or not a number);
// empty when it can.
std::string SimulationRequestProblem(const SimulationRequest& request);

// Runs the document's trials over the threads asked for. The results depend only on the
// document, its settings and the request's overrides, never on the threads: each trial
// draws from a stream of its own and the values are summarised in trial order.
// A run made ready on the document's thread: it holds copies of everything the trials read,
// so it may be called on another thread, once or more, while the document changes.
using PreparedSimulation = std::function<SimulationResults(SimulationControl*)>;
PreparedSimulation PrepareSimulation(const cModelDoc& document,
                                     const SimulationRequest& request = {});

SimulationResults Simulate(const cModelDoc& document, const SimulationRequest& request = {},
                           SimulationControl* control = nullptr);

}  // namespace korval
