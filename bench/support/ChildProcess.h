#pragma once

#include <string>
#include <vector>

namespace korval::bench {

// One finished run of a program: how it ended, how long it took from start to exit and
// the most memory it held at once.
struct ChildRun {
    int exitStatus = -1;  // -1 when it could not be started or did not exit normally
    double seconds = 0;
    long peakKilobytes = 0;
    long long startedAt = 0;  // the monotonic clock at the start, in nanoseconds
};

// Runs a program as a user would start it from a shell, with PATH and HOME from this
// process and the given variables; its output goes to stdoutPath, its remarks nowhere.
// Settings and runtime folders are private to the benchmark, so no user's own are read.
ChildRun RunChild(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& environment = {},
                  const std::string& stdoutPath = "/dev/null");

// The environment every Korval program gets in the benchmarks: the offscreen platform and
// the benchmark's defaults profile.
std::vector<std::string> KorvalEnvironment();

}  // namespace korval::bench
