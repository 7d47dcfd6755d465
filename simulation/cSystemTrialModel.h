#pragma once

#include <vector>

#include "simulation/cProjectTrialModel.h"
#include "system/SystemRollup.h"

namespace korval {

class cSystemDoc;

// A system for the trials: one project model per distinct member project (members listing
// the same file share it), and the system's own phases. Each trial runs every member, then
// the system's own rules (SystemRollup.h) give its product design, cumulative schedule and
// totals, exactly as the document applies them to its members' figures.
class cSystemTrialModel {
  public:
    explicit cSystemTrialModel(const cSystemDoc& system);

    SystemTotals Run(cTrialDraws& draws, std::vector<MemberFigures>& scratch) const;
    std::size_t MemberCount() const { return memberProjects_.size(); }

  private:
    // A member not read from any file gives no figures.
    static constexpr std::size_t kNoProject = static_cast<std::size_t>(-1);

    std::vector<cProjectTrialModel> projects_;
    std::vector<std::size_t> memberProjects_;
    SystemPhases phases_;
    bool derivesProductDesign_ = true;
};

}  // namespace korval
