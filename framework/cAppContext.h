#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "framework/SimulatedOutputs.h"
#include "framework/cPlatformServices.h"
#include "framework/cUserProfile.h"

namespace korval {

class cModelDoc;
struct cDrawContext;

// What every document needs from the running application: the platform services, the
// path of the defaults profile and the file extensions in use.
struct cAppContext {
    cPlatformServices& platform;
    std::string defaultsProfilePath;
    // File extensions in use, by document kind index (the defaults profile may replace them).
    std::array<std::string, 5> extensions{".PRJ", ".FPM", ".CCM", ".RLM", ".SLE"};
    // Set when no profile was named: the shipped profile with the user's own copy in front.
    std::optional<cUserProfile> userProfile{};
    // Blocks a program adds after every row of a document's report (the simulation's
    // results); it returns the height advanced. None: reports end with the kind's rows.
    std::function<int(const cModelDoc&, cDrawContext&, int& y)> reportAppendix{};
    // The simulation's trials for the what-if calculators' "Solve for probability". None:
    // the calculators say the simulation is not available.
    SimulatedOutputsSource simulatedOutputs{};

    // The file a change to the defaults profile goes to: the named profile itself, or the
    // user's copy, made on the first change (the user is told where) and read from then on.
    // Empty when the copy cannot be made; the user was told why.
    std::string DefaultsProfileForWriting();
};

}  // namespace korval
