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

namespace {

// Member files of this many kinds are saved by the program; the others copy one of them
// byte for byte, so a system of 100,000 members is written in seconds.
constexpr int kDistinctMembers = 350;

// The generated folders go when the benchmark ends: large systems take hundreds of MB.
struct GeneratedFolders {
    std::vector<std::string> folders;
    ~GeneratedFolders() {
        std::error_code ignored;
        for (const std::string& folder : folders) std::filesystem::remove_all(folder, ignored);
    }
};

std::string SavedMember(cAppContext& context, const std::string& path, int i) {
    cProjectDoc project(context);
    cFunctionPointDoc& fp = project.FunctionPointModel();
    fp.SetCount(0, 10 + i % 50);
    fp.SetCount(4, 5 + i % 7);
    project.SetDescriptionTexts("Member " + std::to_string(i), "Benchmark",
                                "Generated member project");
    if (!project.SaveAs(path)) throw std::runtime_error("cannot write " + path);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

std::string BenchProfilePath() {
    const char* profile = std::getenv("KORVAL_PROFILE");
    return profile != nullptr ? profile : KORVAL_BENCH_PROFILE;
}

const GeneratedSystem& SystemOf(int members) {
    static std::map<int, GeneratedSystem> systems;
    static GeneratedFolders generated;
    auto found = systems.find(members);
    if (found != systems.end()) return found->second;

    static std::ostringstream discard;
    static cCliPlatform platform(discard);
    static cAppContext context{platform, BenchProfilePath()};
    std::string folder =
        "/tmp/korval-bench-system-" + std::to_string(::getpid()) + "-" + std::to_string(members);
    std::filesystem::create_directories(folder);
    generated.folders.push_back(folder);
    GeneratedSystem system;
    system.systemPath = folder + "/system.sle";
    std::ofstream list(system.systemPath, std::ios::binary);
    list << "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n[Projects]\r\n";
    std::vector<std::string> contents;
    for (int i = 0; i < members; ++i) {
        std::string path = folder + "/member" + std::to_string(i) + ".prj";
        if (i < kDistinctMembers) {
            contents.push_back(SavedMember(context, path, i));
        } else {
            std::ofstream(path, std::ios::binary) << contents[i % kDistinctMembers];
        }
        system.memberPaths.push_back(path);
        list << IndexedKey("File_Name", i) << "=" << path << "\r\n";
        list << IndexedKey("Start_Offset", i) << "=0.000000\r\n";
    }
    return systems.emplace(members, std::move(system)).first->second;
}

}  // namespace korval::bench
