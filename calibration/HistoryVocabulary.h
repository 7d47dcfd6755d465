#pragma once

#include <array>
#include <string>
#include <vector>

#include "cocomo/CocomoTables.h"

namespace korval {

// A cost driver as a history column: its short name in lower case ("rely") and the
// multiplier of each rating (0 where the rating is not defined).
struct CostDriverColumn {
    std::string column;
    std::array<double, kRatingCount> multipliers{};
};

// What the profile in use gives the names and ratings of a history: the cost drivers,
// and the languages and application types whose spelling a history's names take.
struct HistoryVocabulary {
    std::vector<CostDriverColumn> drivers;
    std::vector<std::string> languages;
    std::vector<std::string> applicationTypes;
};

}  // namespace korval
