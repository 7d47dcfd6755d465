#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calibration/History.h"
#include "functionpoint/cLanguageTable.h"

namespace korval {

// SLOC per function point of each language: the median over the projects that give both
// their size and their function points, from kMinimumPerLanguage projects, rounded to the
// whole number the language table holds.
struct LanguageFit {
    static constexpr std::size_t kMinimumPerLanguage = 3;
    static constexpr int kLargestMultiplier = 9999;

    std::string name;
    bool inProfile = false;
    std::size_t projects = 0;
    std::optional<int> current;
    double median = 0;
    std::optional<int> fitted;
    std::vector<std::string> notes;
};

struct FunctionPointCalibration {
    std::vector<LanguageFit> languages;
};

FunctionPointCalibration CalibrateFunctionPoints(const History& history,
                                                 const cLanguageTable& languages);

}  // namespace korval
