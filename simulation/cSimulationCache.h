#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "framework/cModelDoc.h"
#include "simulation/SimulationResults.h"

namespace korval {

// The simulation's results of each document, kept under the document's revision so that
// laying the report out again (a scroll, a resize, a print) reuses them and any edit runs
// the trials afresh. A document's results of an older revision stay as its last results,
// which a report can show while the new run is under way.
class cSimulationCache {
  public:
    // The results of the document as it is now, if they were stored.
    const SimulationResults* Current(const cModelDoc& document) const;
    // The last results stored for the document, of whatever revision.
    const SimulationResults* Last(const cModelDoc& document) const;
    // Keeps results computed from the document at the revision given.
    void Store(const cModelDoc& document, std::uint64_t revision, SimulationResults results);
    // The current results, computed by run and stored when there are none; a cancelled
    // run is not kept.
    const SimulationResults& Get(const cModelDoc& document,
                                 const std::function<SimulationResults()>& run);
    // Forgets every document but the ones still open.
    void KeepOnly(const std::vector<const cModelDoc*>& open);

  private:
    struct Entry {
        std::uint64_t identity = 0;
        std::uint64_t revision = 0;
        SimulationResults results;
    };
    std::map<const cModelDoc*, Entry> entries_;
    std::optional<SimulationResults> uncached_;
};

}  // namespace korval
