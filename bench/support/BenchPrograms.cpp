#include "bench/support/BenchPrograms.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace korval::bench {

namespace {

#ifndef KORVAL_DESKTOP_EXECUTABLE
#define KORVAL_DESKTOP_EXECUTABLE ""
#endif
#ifndef KORVAL_BARE_WINDOW_EXECUTABLE
#define KORVAL_BARE_WINDOW_EXECUTABLE ""
#endif

// The scratch folder goes when the benchmark ends.
struct ScratchFolder {
    std::string path = "/tmp/korval-bench-scratch-" + std::to_string(::getpid());
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// KORVAL_BENCH_CLI and KORVAL_BENCH_DESKTOP name other builds of the programs, to take
// the same figures of an older build on the same machine.
std::string ProgramOr(const char* variable, const char* built) {
    const char* other = std::getenv(variable);
    return other != nullptr && *other != '\0' ? other : built;
}

}  // namespace

std::string CliProgram() {
    return ProgramOr("KORVAL_BENCH_CLI", KORVAL_CLI_EXECUTABLE);
}

std::string DesktopProgram() {
    return ProgramOr("KORVAL_BENCH_DESKTOP", KORVAL_DESKTOP_EXECUTABLE);
}

std::string HelloWorldProgram() {
    return KORVAL_HELLO_EXECUTABLE;
}

std::string BareWindowProgram() {
    return KORVAL_BARE_WINDOW_EXECUTABLE;
}

std::string SmallModelFile() {
    return std::string(KORVAL_BENCH_EXAMPLES) + "/order-entry.RLM";
}

std::string ScratchFile(const std::string& name) {
    static ScratchFolder folder;
    return folder.path + "/" + name;
}

}  // namespace korval::bench
