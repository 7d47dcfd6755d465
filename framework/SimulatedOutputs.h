#pragma once

#include <functional>
#include <string>
#include <vector>

namespace korval {

class cModelDoc;

// What the simulation tells a what-if calculator about its document: whether anything in it
// is uncertain, how far its run is, and once done the sorted trial values of the outputs
// asked for (the very trials the report's simulation block summarises).
struct SimulatedOutputs {
    enum class Status {
        Unavailable,   // the program runs no simulation for its calculators
        NotUncertain,  // no uncertainty settings: every trial would give the figures
        Running,
        Cancelled,
        Ready
    };
    Status status = Status::Unavailable;
    // Share of the trials done while running (0..1).
    double progress = 0;
    // Per key asked for, in that order; empty for an output the kind does not simulate.
    std::vector<std::vector<double>> sorted{};
    // Stops the run while Running (the desktop's Cancel); none where a run cannot be stopped.
    std::function<void()> cancel{};
};

// The outputs (by their keys, as the simulation JSON names them) of the document's current
// run; a program that runs the simulation elsewhere answers Running until it is done.
using SimulatedOutputsSource =
    std::function<SimulatedOutputs(const cModelDoc&, const std::vector<std::string>& keys)>;

}  // namespace korval
