#include "bench/support/GeneratedSystem.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "cli/cCliPlatform.h"
#include "framework/ProfileAccess.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"

namespace korval::bench {

std::string BenchProfilePath() {
    const char* profile = std::getenv("KORVAL_PROFILE");
    return profile != nullptr ? profile : KORVAL_BENCH_PROFILE;
}

const GeneratedSystem& SystemOf(int members) {
    static std::map<int, GeneratedSystem> systems;
    auto found = systems.find(members);
    if (found != systems.end()) return found->second;

    static std::ostringstream discard;
    static cCliPlatform platform(discard);
    static cAppContext context{platform, BenchProfilePath()};
    std::string folder =
        "/tmp/korval-bench-system-" + std::to_string(::getpid()) + "-" + std::to_string(members);
    std::filesystem::create_directories(folder);
    GeneratedSystem generated;
    generated.systemPath = folder + "/system.sle";
    std::ofstream system(generated.systemPath, std::ios::binary);
    system << "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n[Projects]\r\n";
    for (int i = 0; i < members; ++i) {
        std::string path = folder + "/member" + std::to_string(i) + ".prj";
        cProjectDoc project(context);
        cFunctionPointDoc& fp = project.FunctionPointModel();
        fp.SetCount(0, 10 + i % 50);
        fp.SetCount(4, 5 + i % 7);
        project.SetDescriptionTexts("Member " + std::to_string(i), "Benchmark",
                                    "Generated member project");
        if (!project.SaveAs(path)) throw std::runtime_error("cannot write " + path);
        generated.memberPaths.push_back(path);
        system << IndexedKey("File_Name", i) << "=" << path << "\r\n";
        system << IndexedKey("Start_Offset", i) << "=0.000000\r\n";
    }
    return systems.emplace(members, std::move(generated)).first->second;
}

}  // namespace korval::bench
