// Time from starting the desktop application to its first painted main window, and to
// the painted report of a 200-member system given on the command line. The application
// runs offscreen and quits after the paint that is measured (KORVAL_EXIT_AFTER_PAINT).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/support/GeneratedSystem.h"

extern char** environ;

namespace {

int RunDesktop(const std::string& waitFor, const std::vector<std::string>& files) {
#ifdef KORVAL_DESKTOP_EXECUTABLE
    static const std::string config = "/tmp/korval-bench-config-" + std::to_string(::getpid());
    std::filesystem::create_directories(config);
    std::filesystem::permissions(config, std::filesystem::perms::owner_all);
    std::vector<std::string> environment = {
        "QT_QPA_PLATFORM=offscreen", "KORVAL_EXIT_AFTER_PAINT=" + waitFor,
        "XDG_CONFIG_HOME=" + config, "XDG_RUNTIME_DIR=" + config,
        "KORVAL_PROFILE=" + korval::bench::BenchProfilePath()};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        std::string entry(*variable);
        if (entry.rfind("PATH=", 0) == 0 || entry.rfind("HOME=", 0) == 0)
            environment.push_back(entry);
    }
    std::vector<std::string> arguments = {KORVAL_DESKTOP_EXECUTABLE};
    arguments.insert(arguments.end(), files.begin(), files.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    // The application's own remarks (offscreen platform notes) are not part of the figures.
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#else
    (void)waitFor;
    (void)files;
    return -1;
#endif
}

void BM_StartToMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        if (RunDesktop("window", {}) != 0)
            state.SkipWithError("the desktop application did not run");
    }
}
BENCHMARK(BM_StartToMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_StartToSystemReport(benchmark::State& state) {
    const korval::bench::GeneratedSystem& system =
        korval::bench::SystemOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (RunDesktop("report", {system.systemPath}) != 0)
            state.SkipWithError("the desktop application did not run");
    }
}
BENCHMARK(BM_StartToSystemReport)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
