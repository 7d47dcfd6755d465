#pragma once

#include <string>
#include <vector>

namespace korval::bench {

// A system file of complete member project files with varied sizes, written once per
// process into a folder of its own.
struct GeneratedSystem {
    std::string systemPath;
    std::vector<std::string> memberPaths;
};

const GeneratedSystem& SystemOf(int members);
// The defaults profile the benchmarks use: KORVAL_PROFILE, or the one in the sources.
std::string BenchProfilePath();

}  // namespace korval::bench
