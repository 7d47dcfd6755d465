#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The conventions both programs share on their command lines: --help and -h print the
// usage to stdout and exit 0, --version prints the version and exits 0, bad usage prints the
// usage to stderr and exits 2.
namespace korval {

enum class InfoOption { None, Help, Version };

// The first --help, -h or --version among the arguments (the program name not included).
InfoOption FindInfoOption(const std::vector<std::string>& args);

// "korval-cli 4.1" on the first line, the revision the program was built from on the second.
std::string VersionText(std::string_view program);
// "git describe" of the sources when the build was configured; "unknown" outside a checkout.
std::string BuildRevision();

// The desktop program before any window opens: --help, -h or --version answered, with the
// exit status; empty when the application should start.
std::optional<int> AnswerDesktopInfoOption(const std::vector<std::string>& args, std::ostream& out);
// The desktop's arguments once Qt took its own options: one left that starts with '-' is
// bad usage (the usage on err, status 2).
std::optional<int> RefuseDesktopOptions(const std::vector<std::string>& args, std::ostream& err);

inline constexpr std::string_view kDesktopUsage =
    "usage: korval [FILE]\n"
    "Starts the Korval desktop application and opens FILE, a Korval document of any kind\n"
    "(project, function point model, COCOMO model, Rayleigh model or system).\n"
    "  -h, --help  print this help and exit\n"
    "  --version   print the version and exit\n"
    "  --print-pdf FILE OUT [--profile INI]\n"
    "              print FILE's report to the PDF file OUT without a window, as\n"
    "              korval-cli report FILE --format pdf -o OUT does\n"
    "Qt's own options (-platform NAME, -style NAME, ...) are accepted as well.\n";

}  // namespace korval
