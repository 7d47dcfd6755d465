#pragma once

#include <memory>

#include "system/MemberFigures.h"

namespace korval {

class cProjectDoc;

// A member's project as a system reads it, with the figures it gives the system (worked out
// once, as the project never changes once read): members listing the same file share one.
struct MemberProject {
    std::shared_ptr<const cProjectDoc> project;
    MemberFigures figures;
};

}  // namespace korval
