#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korval {

// korval-cli: report, figures, new and resave. Exit status 0 on success, 1 when a file
// cannot be opened, is not a Korval file or cannot be saved, 2 on bad usage.
class cCliRunner {
public:
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    static constexpr int kSuccess = 0;
    static constexpr int kFileError = 1;
    static constexpr int kUsageError = 2;
};

}  // namespace korval
