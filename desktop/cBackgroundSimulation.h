#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/SimulatedOutputs.h"
#include "framework/cDrawContext.h"
#include "simulation/Simulate.h"
#include "simulation/cSimulationCache.h"

class QProgressBar;
class QPushButton;

namespace korval {

class cMainFrame;

// The desktop's simulation block: results of a document's current revision are drawn from
// the cache; others are run off the GUI thread while the report shows the last results or
// "Simulating...", then the document's views are redrawn. A run lasting more than half a
// second shows its progress and a Cancel button in the status bar.
class cBackgroundSimulation : public QObject {
  public:
    explicit cBackgroundSimulation(cMainFrame& frame);
    ~cBackgroundSimulation() override;

    // What the desktop hands its documents as the report appendix.
    int Appendix(const cModelDoc& document, cDrawContext& dc, int& y);
    // What the desktop hands the what-if calculators: the same cached results, or the
    // same background run started for them (its progress while it runs).
    SimulatedOutputs CalculatorOutputs(const cModelDoc& document,
                                       const std::vector<std::string>& keys);

    // While held, a run asked for is only noted (the report shows "Simulating..."); the
    // release starts the last one asked for if its document is still open. The start-up
    // holds runs until the first paint, so trials on every core do not slow it down.
    void HoldRuns();
    void ReleaseRuns();

  private:
    struct Run {
        const cModelDoc* document = nullptr;
        std::uint64_t revision = 0;
        std::int64_t trials = 0;
        SimulationControl control;
        std::atomic<bool> done{false};
        std::optional<SimulationResults> results;
        // Why the run stopped when something it called threw; the window stays usable.
        std::string failure;
        std::jthread thread;
    };

    void Start(const cModelDoc& document);
    // Share of the trials the run has done.
    double Progress() const;
    void Poll();
    void Finish();
    // The document when it is still open; a run may outlive the window it started for.
    cModelDoc* OpenDocument(const cModelDoc* document) const;
    void ShowProgress(bool shown);

    cMainFrame& frame_;
    cSimulationCache cache_;
    std::unique_ptr<Run> run_;
    bool held_ = false;
    const cModelDoc* heldRequest_ = nullptr;
    QTimer poll_;
    int polls_ = 0;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace korval
