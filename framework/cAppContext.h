#pragma once

#include <array>
#include <string>

#include "framework/cPlatformServices.h"

namespace korval {

// What every document needs from the running application: the platform services, the
// path of the defaults profile and the file extensions in use.
struct cAppContext {
    cPlatformServices& platform;
    std::string defaultsProfilePath;
    // File extensions in use, by document kind index (the defaults profile may replace them).
    std::array<std::string, 5> extensions{".PRJ", ".FPM", ".CCM", ".RLM", ".SLE"};
};

}  // namespace korval
