#include "calibration/FunctionPointCalibration.h"

#include <unordered_map>

#include "calibration/Statistics.h"
#include "framework/NumberText.h"
#include "rayleigh/RayleighFormulas.h"

namespace korval {

FunctionPointCalibration CalibrateFunctionPoints(const History& history,
                                                 const cLanguageTable& languages) {
    std::vector<std::pair<std::string, std::vector<double>>> groups;
    std::unordered_map<std::string, std::size_t> groupOf;
    for (const HistoryProject& project : history.projects) {
        if (!project.functionPoints || project.language.empty()) continue;
        auto [at, added] = groupOf.emplace(project.language, groups.size());
        if (added) groups.push_back({project.language, {}});
        groups[at->second].second.push_back(project.sloc / *project.functionPoints);
    }
    FunctionPointCalibration calibration;
    for (auto& [name, ratios] : groups) {
        LanguageFit fit;
        fit.name = name;
        fit.projects = ratios.size();
        int known = languages.FindLanguage(name);
        if (known > 0) {
            fit.inProfile = true;
            fit.current = languages.At(known).GetMultiplier();
        }
        fit.median = Median(std::move(ratios)).value_or(0);
        int rounded = RoundToInt(fit.median);
        if (fit.projects < LanguageFit::kMinimumPerLanguage) {
            fit.notes.push_back(TooFewNote(fit.projects, LanguageFit::kMinimumPerLanguage,
                                           "SLOC per function point"));
        } else if (rounded < 1 || rounded > LanguageFit::kLargestMultiplier) {
            fit.notes.push_back(FormatNumber(
                "%.1f SLOC per function point is outside the table's 1 to 9999", fit.median));
        } else {
            fit.fitted = rounded;
        }
        calibration.languages.push_back(std::move(fit));
    }
    return calibration;
}

}  // namespace korval
