#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "cocomo/CocomoTables.h"

namespace korval {

// One completed project of a history file, as far as its row could be read. Sizes are in
// SLOC (a ksloc column is converted), efforts in person-months, durations in months.
struct HistoryProject {
    std::size_t line = 0;  // the file line the row starts on
    std::string name;
    double sloc = 0;
    double effortPm = 0;
    std::optional<double> functionPoints;
    std::string language;  // spelt as in the profile's table when it is there
    std::optional<double> durationMonths;
    std::optional<DevelopmentMode> mode;
    std::string applicationType;  // spelt as in the profile's table when it is there
    // The product of the cost driver multipliers, or the eaf column; 1 without either.
    double eaf = 1;
};

// One row, or the whole file, that could not be used: the line it starts on (0 when the
// file could not be read at all), the column (empty for a whole row) and why.
struct HistoryProblem {
    std::size_t line = 0;
    std::string column;
    std::string reason;
};

// "FILE:LINE: column: reason", as compilers name a place in a file.
std::string HistoryProblemText(const std::string& path, const HistoryProblem& problem);

}  // namespace korval
