#include "cli/SimulationPercentiles.h"

#include <algorithm>
#include <string_view>

#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/UncertaintyInputs.h"

namespace korval {

namespace {

std::vector<std::string_view> CommaParts(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = text.find(',', start);
        parts.push_back(TrimBlanks(text.substr(start, comma - start)));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

std::string PercentKey(double percent) {
    return FormatNumber("%g", percent);
}

}  // namespace

std::variant<std::vector<double>, std::string> ParsePercentiles(
    const std::vector<std::string>& texts) {
    std::vector<double> percents;
    for (const std::string& text : texts) {
        for (std::string_view part : CommaParts(text)) {
            std::optional<double> percent = ParseSimulationNumber(part);
            if (!percent || *percent < 0 || *percent > 100)
                return "--percentile needs percents from 0 to 100, not \"" + std::string(part) +
                       "\"";
            if (std::find(percents.begin(), percents.end(), *percent) == percents.end())
                percents.push_back(*percent);
        }
    }
    return percents;
}

Json WithPercentiles(Json simulation, const SimulationResults& results,
                     const std::vector<double>& percents) {
    if (percents.empty()) return simulation;
    for (const OutputSummary& output : results.outputs) {
        Json values = Json::object();
        for (double percent : percents)
            values[PercentKey(percent)] = NumberJson(output.ValueAt(percent));
        simulation["outputs"][output.key]["percentiles"] = std::move(values);
    }
    return simulation;
}

}  // namespace korval
