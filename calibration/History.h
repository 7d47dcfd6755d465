#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calibration/HistoryProject.h"

namespace korval {

// "1 project", "5 projects".
std::string CountOf(std::size_t count, std::string_view noun);
// Why a fit was not made: "2 projects; <what> is fitted from 3 projects on".
std::string TooFewNote(std::size_t count, std::size_t minimum, std::string_view what);

// What a history file gave: its usable projects in file order and the problems of the rows
// that could not be used. A file that could not be read at all (missing, empty, no usable
// header) has no projects and its problem says why.
struct History {
    // At most this many problems are kept; problemCount counts them all.
    static constexpr std::size_t kKeptProblems = 1000;

    std::string path;
    std::vector<HistoryProject> projects;
    std::vector<HistoryProblem> problems;
    std::size_t problemCount = 0;
    bool readable = false;  // a header was read
    bool hasMode = false;
    bool hasCostDrivers = false;
    char delimiter = ',';

    void AddProblem(HistoryProblem problem);
    // The problem texts, "FILE:LINE: column: reason", with a closing line for those not kept.
    std::vector<std::string> ProblemTexts() const;
};

}  // namespace korval
