#include "framework/UncertaintyInputs.h"

#include <charconv>
#include <cmath>

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"

namespace korval {

namespace {

constexpr std::size_t kValueBuffer = 40;

std::string Joined(std::string_view a, std::string_view b) {
    std::string text(a);
    text += b;
    return text;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string NumberText(double value) {
    return FormatNumber("%.17g", value);
}

}  // namespace

std::string ThreePointProblem(std::string_view inputName, const ThreePointEstimate& estimate,
                              double ceiling) {
    std::string name(inputName);
    for (double value : {estimate.optimistic, estimate.mostLikely, estimate.pessimistic}) {
        if (!std::isfinite(value)) return name + ": every value must be a number.";
        if (value < 0) return name + ": a value cannot be below 0.";
        if (value > ceiling) return name + FormatNumber(": a value cannot be above %.0f.", ceiling);
    }
    if (estimate.optimistic > estimate.mostLikely)
        return name + ": the optimistic value is above the most likely one.";
    if (estimate.mostLikely > estimate.pessimistic)
        return name + ": the most likely value is above the pessimistic one.";
    return {};
}

std::string TrialsProblem(std::int64_t trials) {
    if (trials < 1) return "The number of trials must be at least 1.";
    if (trials > kMaxTrials)
        return FormatNumber("The number of trials cannot exceed %lld.",
                            static_cast<long long>(kMaxTrials));
    return {};
}

std::string TargetProblem(std::string_view targetName, double target) {
    if (!std::isfinite(target)) return std::string(targetName) + " must be a number.";
    if (target < 0) return std::string(targetName) + " cannot be below 0.";
    return {};
}

std::optional<double> ParseSimulationNumber(std::string_view text) {
    if (!IsWholeNumberText(text)) return std::nullopt;
    std::optional<double> value = TryParseLeadingDouble(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::optional<std::uint64_t> ParseSimulationCount(std::string_view text) {
    text = Trimmed(text);
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ReadNonNegative(std::string_view section, std::string_view key,
                                      const std::string& path) {
    std::optional<double> value =
        ParseSimulationNumber(ReadProfileValue(section, key, "", kValueBuffer, path));
    if (!value || *value < 0) return std::nullopt;
    return value;
}

bool WriteOptionalValue(std::string_view section, std::string_view key, std::string_view text,
                        const std::string& path) {
    if (text.empty() && ReadProfileValue(section, key, "", 2, path).empty()) return true;
    return WriteProfileValue(section, key, text, path);
}

bool WriteOptionalNumber(std::string_view section, std::string_view key,
                         const std::optional<double>& value, const std::string& path) {
    return WriteOptionalValue(section, key, value ? NumberText(*value) : std::string(), path);
}

std::optional<ThreePointEstimate> ReadThreePoint(std::string_view section, std::string_view key,
                                                 const std::string& path, double ceiling) {
    std::optional<double> low = ReadNonNegative(section, Joined(key, "_Optimistic"), path);
    std::optional<double> mode = ReadNonNegative(section, Joined(key, "_Most_Likely"), path);
    std::optional<double> high = ReadNonNegative(section, Joined(key, "_Pessimistic"), path);
    if (!low || !mode || !high) return std::nullopt;
    ThreePointEstimate estimate{*low, *mode, *high};
    if (!ThreePointProblem(key, estimate, ceiling).empty()) return std::nullopt;
    return estimate;
}

bool WriteThreePoint(std::string_view section, std::string_view key,
                     const std::optional<ThreePointEstimate>& estimate, const std::string& path) {
    auto part = [&](double ThreePointEstimate::*member) -> std::optional<double> {
        if (!estimate) return std::nullopt;
        return (*estimate).*member;
    };
    return WriteOptionalNumber(section, Joined(key, "_Optimistic"),
                               part(&ThreePointEstimate::optimistic), path) &&
           WriteOptionalNumber(section, Joined(key, "_Most_Likely"),
                               part(&ThreePointEstimate::mostLikely), path) &&
           WriteOptionalNumber(section, Joined(key, "_Pessimistic"),
                               part(&ThreePointEstimate::pessimistic), path);
}

std::string_view ThreePointShapeToken(ThreePointShape shape) {
    return shape == ThreePointShape::Pert ? "PERT" : "TRIANGULAR";
}

SimulationSettings ReadSimulationSettings(std::string_view section, const std::string& path) {
    SimulationSettings settings;
    std::string shape = ReadProfileValue(section, "Distribution", "", kValueBuffer, path);
    if (EqualsNoCase(shape, "PERT")) settings.shape = ThreePointShape::Pert;
    std::optional<std::uint64_t> trials =
        ParseSimulationCount(ReadProfileValue(section, "Trials", "", kValueBuffer, path));
    if (trials && *trials <= static_cast<std::uint64_t>(kMaxTrials) &&
        TrialsProblem(static_cast<std::int64_t>(*trials)).empty()) {
        settings.trials = static_cast<std::int64_t>(*trials);
    }
    std::optional<std::uint64_t> seed =
        ParseSimulationCount(ReadProfileValue(section, "Seed", "", kValueBuffer, path));
    if (seed) settings.seed = *seed;
    settings.targetEffort = ReadNonNegative(section, "Target_Effort", path);
    settings.targetCost = ReadNonNegative(section, "Target_Cost", path);
    settings.targetTime = ReadNonNegative(section, "Target_TDEV", path);
    settings.rate = ReadThreePoint(section, "Rate", path);
    settings.correlatedMembers =
        EqualsNoCase(ReadProfileValue(section, "Members", "", kValueBuffer, path), "CORRELATED");
    return settings;
}

bool WriteSimulationSettings(std::string_view section, const SimulationSettings& settings,
                             const std::string& path) {
    return WriteProfileValue(section, "Distribution", ThreePointShapeToken(settings.shape), path) &&
           WriteProfileValue(section, "Trials",
                             FormatNumber("%lld", static_cast<long long>(settings.trials)), path) &&
           WriteProfileValue(section, "Seed",
                             FormatNumber("%llu", static_cast<unsigned long long>(settings.seed)),
                             path) &&
           WriteOptionalNumber(section, "Target_Effort", settings.targetEffort, path) &&
           WriteOptionalNumber(section, "Target_Cost", settings.targetCost, path) &&
           WriteOptionalNumber(section, "Target_TDEV", settings.targetTime, path) &&
           WriteThreePoint(section, "Rate", settings.rate, path);
}

bool HasSimulationSection(std::string_view section, const std::string& path) {
    return !ReadProfileValue(section, "Trials", "", kValueBuffer, path).empty();
}

}  // namespace korval
