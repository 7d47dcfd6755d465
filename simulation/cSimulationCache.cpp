#include "simulation/cSimulationCache.h"

#include <algorithm>
#include <utility>

namespace korval {

const SimulationResults* cSimulationCache::Current(const cModelDoc& document) const {
    auto found = entries_.find(&document);
    if (found == entries_.end() || found->second.revision != document.Revision()) return nullptr;
    return &found->second.results;
}

const SimulationResults* cSimulationCache::Last(const cModelDoc& document) const {
    auto found = entries_.find(&document);
    // Another document that lived at the same address left its results behind.
    if (found == entries_.end() || found->second.identity != document.Identity()) return nullptr;
    return &found->second.results;
}

void cSimulationCache::Store(const cModelDoc& document, std::uint64_t revision,
                             SimulationResults results) {
    entries_[&document] = Entry{document.Identity(), revision, std::move(results)};
}

const SimulationResults& cSimulationCache::Get(const cModelDoc& document,
                                               const std::function<SimulationResults()>& run) {
    if (const SimulationResults* current = Current(document)) return *current;
    std::uint64_t revision = document.Revision();
    SimulationResults results = run();
    if (results.cancelled) return uncached_.emplace(std::move(results));
    Store(document, revision, std::move(results));
    return entries_[&document].results;
}

void cSimulationCache::KeepOnly(const std::vector<const cModelDoc*>& open) {
    std::erase_if(entries_, [&open](const auto& entry) {
        return std::find(open.begin(), open.end(), entry.first) == open.end();
    });
}

}  // namespace korval
