#include "bench/support/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "bench/support/GeneratedSystem.h"

extern char** environ;

namespace korval::bench {

namespace {

const std::string& PrivateFolder() {
    static const std::string folder = [] {
        std::string path = "/tmp/korval-bench-config-" + std::to_string(::getpid());
        std::filesystem::create_directories(path);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }();
    return folder;
}

// A child started by posix_spawn shares this process's memory until its exec, and its peak
// starts from this process's: resetting this process's peak to what it holds now keeps the
// child's figure its own (unless this process holds more than the child ever does).
void ResetOwnPeakMemory() {
    int fd = ::open("/proc/self/clear_refs", O_WRONLY | O_CLOEXEC);
    if (fd < 0) return;
    [[maybe_unused]] ssize_t written = ::write(fd, "5", 1);
    ::close(fd);
}

std::vector<char*> NullTerminated(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

std::vector<std::string> KorvalEnvironment() {
    return {"QT_QPA_PLATFORM=offscreen", "KORVAL_PROFILE=" + BenchProfilePath()};
}

ChildRun RunChild(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& environment, const std::string& stdoutPath) {
    std::vector<std::string> argv = arguments;
    std::vector<std::string> envp = environment;
    envp.push_back("XDG_CONFIG_HOME=" + PrivateFolder());
    envp.push_back("XDG_RUNTIME_DIR=" + PrivateFolder());
    for (char** variable = environ; *variable != nullptr; ++variable) {
        std::string entry(*variable);
        if (entry.rfind("PATH=", 0) == 0 || entry.rfind("HOME=", 0) == 0) envp.push_back(entry);
    }
    std::vector<char*> argPointers = NullTerminated(argv);
    std::vector<char*> envPointers = NullTerminated(envp);

    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath.c_str(),
                                       O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    ChildRun run;
    ResetOwnPeakMemory();
    auto start = std::chrono::steady_clock::now();
    run.startedAt =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    pid_t child = 0;
    int spawned = ::posix_spawn(&child, argPointers[0], &actions, nullptr, argPointers.data(),
                                envPointers.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

}  // namespace korval::bench
