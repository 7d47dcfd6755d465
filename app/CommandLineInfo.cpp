#include "app/CommandLineInfo.h"

#include "framework/ProfileAccess.h"

#ifndef KORVAL_REVISION
#define KORVAL_REVISION "unknown"
#endif

namespace korval {

InfoOption FindInfoOption(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") return InfoOption::Help;
        if (arg == "--version") return InfoOption::Version;
    }
    return InfoOption::None;
}

std::string BuildRevision() {
    return KORVAL_REVISION;
}

std::string VersionText(std::string_view program) {
    return std::string(program) + " " + GetProductVersion() + "\nrevision " + BuildRevision() +
           "\n";
}

std::optional<int> AnswerDesktopInfoOption(const std::vector<std::string>& args,
                                           std::ostream& out) {
    switch (FindInfoOption(args)) {
        case InfoOption::Help:
            out << kDesktopUsage;
            return 0;
        case InfoOption::Version:
            out << VersionText("korval");
            return 0;
        case InfoOption::None:
            break;
    }
    return std::nullopt;
}

std::optional<int> RefuseDesktopOptions(const std::vector<std::string>& args, std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            err << "korval: unknown option " << arg << '\n' << kDesktopUsage;
            return 2;
        }
    }
    return std::nullopt;
}

}  // namespace korval
