// The .RLM model file of cRayleighDoc: the model's own sections, written after and read
// after the description and report filter of the document base.
#include <climits>
#include <limits>
#include <optional>

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cSectionMemo.h"
#include "rayleigh/ApplicationTypeProfile.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

constexpr const char* kModelSection = "Rayleigh_Model";
constexpr const char* kSensitivitySection = "Rayleigh_Sensitivity_Analysis";
constexpr std::size_t kModelValueBuffer = 20;
constexpr std::size_t kSensitivityValueBuffer = 15;
// Stands for a stored value that is not a number: every range check refuses it.
constexpr int kNotAnInteger = INT_MIN;
constexpr int kIndexStepsFromDeviation = -1;

// A stored number the attributes dialog would refuse counts as no number at all.
template <typename Number>
std::optional<Number> Within(std::optional<Number> value, Number low, Number high) {
    if (value && *value >= low && *value <= high) return value;
    return std::nullopt;
}

}  // namespace

bool cRayleighDoc::SaveOwnSections(const std::string& path) {
    auto model = [&](const char* key, const std::string& text) {
        return WriteProfileValue(kModelSection, key, text, path);
    };
    auto sensitivity = [&](const char* key, const std::string& text) {
        return WriteProfileValue(kSensitivitySection, key, text, path);
    };
    return model("Source_Lines_Code", FormatNumber("%lf", sourceLines_)) &&
           model("Schedule", FormatNumber("%lf", schedule_)) &&
           model("Build_Phase_Percentage", FormatNumber("%d", buildPhasePercentage_)) &&
           model("Buildup_Level", FormatNumber("%d", buildupLevel_)) &&
           SaveApplicationTypes(path) && WriteSelectedApplication(selectedApplication_, path) &&
           sensitivity("Selected_Rayleigh_Sen", RayleighSensitivityFileToken(sensitivityType_)) &&
           sensitivity("SLOC_Sen", FormatNumber("%lf", slocSensitivityPercent_)) &&
           sensitivity("Schedule_Sen", FormatNumber("%lf", scheduleSensitivityPercent_)) &&
           sensitivity("Productivity_Index_Sen", FormatNumber("%d", piSensitivity_)) &&
           sensitivity("Productivity_Measure_Sen", FormatNumber("%d", pmSensitivityPercent_)) &&
           WriteRayleighUncertainty(uncertainty_, path) && WriteCostSection(cost_, path);
}

// A value the file lacks or spoils keeps the one it had: the sections always read.
bool cRayleighDoc::LoadOwnSections(const std::string& path) {
    LoadModelSection(path);
    LoadFileApplicationTypes(path);
    // A file's shorter table can leave the selection outside the list.
    if (!SelectedApplicationType()) selectedApplication_ = 0;
    if (buildupLevel_ < kSlowestBuildupLevel) buildupLevel_ = DefaultBuildupLevel();
    LoadSensitivitySection(path);
    // Most files hold no uncertainty, or the same: read once per distinct section text.
    static const std::vector<std::string_view> uncertaintySections = {kRayleighUncertaintySection};
    static cSectionMemo<RayleighUncertainty> uncertaintyMemo;
    uncertainty_ = uncertaintyMemo.Read(path, uncertaintySections, nullptr, Platform(),
                                        [&] { return ReadRayleighUncertainty(path); });
    cost_ = ReadCostSection(path, DefaultCostRate(DefaultsProfile()).currency);
    return true;
}

void cRayleighDoc::LoadModelSection(const std::string& path) {
    auto read = [&](const char* key, const char* fallback) {
        return ReadProfileValue(kModelSection, key, fallback, kModelValueBuffer, path);
    };
    // A value that does not begin with a number, or lies outside what the attributes
    // dialog accepts, leaves the field as it was: a negative size or a percentage of
    // -20 would only give figures that mean nothing.
    // Such a value is named, with the one used instead: never a silent change.
    auto refused = [&](const char* key, const std::string& text, const std::string& used) {
        Platform().ShowMessage(PrintableText(path) + ": [" + kModelSection + "] " + key + " = " +
                               PrintableText(text) + " is outside what the model takes; " + used +
                               " is used.");
    };
    std::string size = read("Source_Lines_Code", "0");
    if (auto value = Within(TryParseLeadingDouble(size), 0.0, kMaxInputValue)) {
        sourceLines_ = *value;
    } else {
        refused("Source_Lines_Code", size, FormatNumber("%.0f", sourceLines_));
    }
    std::string schedule = read("Schedule", "0");
    if (auto value = Within(TryParseLeadingDouble(schedule), 0.0, kMaxInputValue)) {
        schedule_ = *value;
    } else {
        refused("Schedule", schedule, FormatNumber("%.1f", schedule_));
    }
    std::string percentage = read("Build_Phase_Percentage", "75");
    if (auto value = Within(TryParseLeadingInt(percentage), 0, 100)) {
        buildPhasePercentage_ = *value;
    } else {
        refused("Build_Phase_Percentage", percentage, FormatNumber("%d", buildPhasePercentage_));
    }
    // Files written before the level was an input plan for the type's typical buildup (a
    // moderate one unless calibration gave another); the table and selection are read later.
    buildupLevel_ = Within(TryParseLeadingInt(read("Buildup_Level", "")), kSlowestBuildupLevel,
                           kFastestBuildupLevel)
                        .value_or(-1);
}

void cRayleighDoc::LoadSensitivitySection(const std::string& path) {
    auto read = [&](const char* key, const char* fallback) {
        return ReadProfileValue(kSensitivitySection, key, fallback, kSensitivityValueBuffer, path);
    };
    constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
    RayleighSensitivityType type =
        ParseRayleighSensitivityFileToken(read("Selected_Rayleigh_Sen", ""));
    double slocPercent = TryParseLeadingDouble(read("SLOC_Sen", "0")).value_or(kNotANumber);
    double schedulePercent = TryParseLeadingDouble(read("Schedule_Sen", "0")).value_or(kNotANumber);
    int piSteps = TryParseLeadingInt(read("Productivity_Index_Sen", "-1")).value_or(kNotAnInteger);
    int pmPercent =
        TryParseLeadingInt(read("Productivity_Measure_Sen", "0")).value_or(kNotAnInteger);
    if (piSteps == kIndexStepsFromDeviation) {
        const cApplicationType* selected = SelectedApplicationType();
        piSteps = selected ? selected->StandardDeviation() : 0;
    }
    SetRayleighSensitivity(slocPercent, schedulePercent, piSteps, pmPercent, type);
}

}  // namespace korval
