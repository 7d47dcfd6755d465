#include "simulation/UncertaintyFileCheck.h"

#include <optional>

#include "cocomo/CocomoUncertainty.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/UncertaintyInputs.h"
#include "functionpoint/FunctionPointUncertainty.h"
#include "rayleigh/RayleighUncertainty.h"

namespace korval {

namespace {

constexpr std::size_t kBuffer = 60;

struct ThreePointKey {
    const char* section;
    const char* key;
    double ceiling = kThreePointCeiling;
};

constexpr ThreePointKey kThreePointKeys[] = {
    {kCocomoUncertaintySection, "SLOC", kLargestFieldValue},
    {kRayleighUncertaintySection, "SLOC", kLargestFieldValue},
    {kRayleighUncertaintySection, "TDEV", kLargestFieldValue},
    {kFunctionPointUncertaintySection, "UFP", kLargestFieldValue},
    {kCocomoUncertaintySection, "Rate"},
    {kRayleighUncertaintySection, "Rate"},
    {"Project_Uncertainty", "Rate"},
    {"System_Uncertainty", "Rate"}};
constexpr const char* kRunSections[] = {kCocomoUncertaintySection, kRayleighUncertaintySection,
                                        kFunctionPointUncertaintySection, "Project_Uncertainty",
                                        "System_Uncertainty"};

std::string Where(const char* section, const std::string& key) {
    return "[" + std::string(section) + "] " + key;
}

// The three values as numbers, or the message about the first that is not one.
void CheckThreePoint(const ThreePointKey& entry, const std::string& path,
                     std::vector<std::string>& problems) {
    const char* parts[] = {"_Optimistic", "_Most_Likely", "_Pessimistic"};
    double values[3] = {};
    int given = 0;
    for (int i = 0; i < 3; ++i) {
        std::string key = std::string(entry.key) + parts[i];
        std::string text = ReadProfileValue(entry.section, key, "", kBuffer, path);
        if (text.empty()) continue;
        ++given;
        std::optional<double> value = ParseSimulationNumber(text);
        if (!value) {
            problems.push_back(Where(entry.section, key) + " is not a number (\"" + text +
                               "\"): the input is taken as certain.");
            return;
        }
        values[i] = *value;
    }
    if (given == 0) return;
    if (given < 3) {
        problems.push_back(Where(entry.section, entry.key) +
                           ": the three-point estimate is incomplete; the input is taken as "
                           "certain.");
        return;
    }
    std::string problem = ThreePointProblem(Where(entry.section, entry.key),
                                            {values[0], values[1], values[2]}, entry.ceiling);
    if (!problem.empty()) problems.push_back(problem + " The input is taken as certain.");
}

void CheckTrials(const char* section, const std::string& path, std::vector<std::string>& problems) {
    std::string text = ReadProfileValue(section, "Trials", "", kBuffer, path);
    if (text.empty()) return;
    std::optional<std::uint64_t> trials = ParseSimulationCount(text);
    std::string problem = !trials ? "is not a whole number"
                          : *trials > static_cast<std::uint64_t>(kMaxTrials)
                              ? TrialsProblem(kMaxTrials + 1)
                              : TrialsProblem(static_cast<std::int64_t>(*trials));
    if (problem.empty()) return;
    problems.push_back(
        Where(section, "Trials") + " = " + text + ": " + problem +
        FormatNumber(" %lld trials are run.", static_cast<long long>(kDefaultTrials)));
}

// A seed that cannot be read runs the default one: say so, or two runs the user believes
// differ would give the same figures.
void CheckSeed(const char* section, const std::string& path, std::vector<std::string>& problems) {
    std::string text = ReadProfileValue(section, "Seed", "", kBuffer, path);
    if (text.empty() || ParseSimulationCount(text)) return;
    problems.push_back(
        Where(section, "Seed") + " = " + text +
        ": is not a whole number from 0 to 18446744073709551615." +
        FormatNumber(" Seed %llu is used.", static_cast<unsigned long long>(kDefaultSeed)));
}

}  // namespace

std::vector<std::string> UncertaintyFileProblems(const std::string& path) {
    std::vector<std::string> problems;
    for (const ThreePointKey& entry : kThreePointKeys) CheckThreePoint(entry, path, problems);
    for (const char* section : kRunSections) {
        CheckTrials(section, path, problems);
        CheckSeed(section, path, problems);
    }
    return problems;
}

}  // namespace korval
