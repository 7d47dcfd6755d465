#include "simulation/cSystemTrialModel.h"

#include <unordered_map>

#include "project/cProjectDoc.h"
#include "system/cSystemDoc.h"

namespace korval {

cSystemTrialModel::cSystemTrialModel(const cSystemDoc& system)
    : phases_{system.GetProductDesignTdev(), system.GetProductDesignEffort(),
              system.GetFinalTestTdev(), system.GetFinalTestEffort()},
      derivesProductDesign_(!system.IsProductDesignUserSpecified()) {
    cSamplerFactory samplers;
    std::unordered_map<const cProjectDoc*, std::size_t> modelOf;
    projects_.reserve(system.GetMembers().size());
    for (const auto& member : system.GetMembers()) {
        const cProjectDoc* project = member->GetProject();
        if (!project) {
            memberProjects_.push_back(kNoProject);
            continue;
        }
        auto [entry, added] = modelOf.try_emplace(project, projects_.size());
        if (added)
            projects_.emplace_back(*project, project->GetSimulationSettings().shape, samplers);
        memberProjects_.push_back(entry->second);
    }
}

SystemTotals cSystemTrialModel::Run(cTrialDraws& draws, std::vector<MemberFigures>& scratch) const {
    scratch.resize(memberProjects_.size());
    for (std::size_t i = 0; i < memberProjects_.size(); ++i) {
        std::size_t project = memberProjects_[i];
        scratch[i] =
            project == kNoProject ? MemberFigures{} : projects_[project].Run(draws).AsMember();
    }
    auto figuresAt = [&scratch](std::size_t i) { return scratch[i]; };
    SystemPhases phases = phases_;
    if (derivesProductDesign_) phases = DeriveProductDesignFrom(phases, scratch.size(), figuresAt);
    return RollUpSystem(phases, scratch.size(), figuresAt);
}

}  // namespace korval
