#include "cli/DesktopPdfPrint.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "cli/cCliRunner.h"

extern char** environ;

namespace korval {

namespace {

constexpr std::string_view kPlatformVariable = "QT_QPA_PLATFORM=";

// This process's environment with the offscreen platform: no display is needed.
std::vector<std::string> OffscreenEnvironment() {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        std::string entry(*variable);
        if (entry.rfind(kPlatformVariable, 0) != 0) environment.push_back(std::move(entry));
    }
    environment.push_back(std::string(kPlatformVariable) + "offscreen");
    return environment;
}

std::vector<char*> NullTerminated(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Runs a program of the desktop application headless with the arguments after its name;
// its exit status. needed says what output needs the program, for the message when it is
// missing.
int RunDesktopHeadless(const std::string& desktopProgram, std::vector<std::string> arguments,
                       const std::string& needed, const std::string& output,
                       const std::string& profile, std::ostream& err) {
    if (::access(desktopProgram.c_str(), X_OK) != 0) {
        err << "korval-cli: " << needed << ", which is not installed beside korval-cli ("
            << desktopProgram << ")\n";
        return cCliRunner::kFileError;
    }
    arguments.insert(arguments.begin(), desktopProgram);
    if (!profile.empty()) {
        arguments.push_back("--profile");
        arguments.push_back(profile);
    }
    std::vector<std::string> environment = OffscreenEnvironment();
    std::vector<char*> argv = NullTerminated(arguments);
    std::vector<char*> envp = NullTerminated(environment);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) {
        err << "korval-cli: cannot start " << desktopProgram << '\n';
        return cCliRunner::kFileError;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return cCliRunner::kFileError;
    }
    if (!WIFEXITED(status)) {
        err << "korval-cli: " << desktopProgram << " stopped before " << output << " was written\n";
        return cCliRunner::kFileError;
    }
    return WEXITSTATUS(status);
}

}  // namespace

int PrintPdfThroughRenderer(const std::string& renderer, const std::string& file,
                            const std::string& output, const std::string& profile,
                            std::ostream& err) {
    return RunDesktopHeadless(renderer, {file, output},
                              "PDF output needs the desktop application's PDF renderer", output,
                              profile, err);
}

int DrawChartsThroughDesktop(const std::string& desktopProgram, const std::string& file,
                             const std::string& output, const std::string& format,
                             const std::string& profile, std::ostream& err) {
    return RunDesktopHeadless(desktopProgram, {kPrintChartOption, file, output, "--format", format},
                              "Chart output needs the desktop application", output, profile, err);
}

}  // namespace korval
