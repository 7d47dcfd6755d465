// The cost driver, mode constant and phase distribution tables of cCocomoDoc, read from
// the defaults profile (and, for cost drivers and mode constants, from model files).
#include <new>

#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cProfileFileScope.h"

namespace korval {

namespace {

constexpr const char* kMemoryMessage = "Memory allocation error";
constexpr double kSmallestMultiplier = 0.01;
// Buffer sizes, terminating NUL included: the longest text each value may have plus one.
constexpr std::size_t kNameBuffer = 80;
constexpr std::size_t kMultiplierBuffer = 5;
constexpr std::size_t kModeConstantBuffer = 6;
constexpr std::size_t kFractionBuffer = 5;
constexpr double kAbsentFraction = -1;

}  // namespace

void cCocomoDoc::LoadCostDrivers(const std::string& file) {
    cProfileFileScope scope(file);
    costDrivers_ = std::make_shared<std::vector<cCostDriverAttribute>>();
    for (const CostDriverGroup& group : CostDriverGroups()) {
        for (int index = 0; index < kMaxAttributesPerGroup; ++index) {
            std::string name = ReadProfileValue(
                group.section, NumberedKey(CostDriverNameKey(group), index), "", kNameBuffer, file);
            if (name.empty()) break;
            std::array<double, kRatingCount> multipliers{};
            for (int rating = 0; rating < kRatingCount; ++rating) {
                multipliers[static_cast<std::size_t>(rating)] = ReadMultiplier(
                    group.section, CostDriverMultiplierKey(group, rating), index, file);
            }
            if (!AddCostDriver(group.section, name, multipliers[kVeryLow], multipliers[kLow],
                               multipliers[kNominal], multipliers[kHigh], multipliers[kVeryHigh],
                               multipliers[kExtraHigh])) {
                break;
            }
        }
    }
}

double cCocomoDoc::ReadMultiplier(std::string_view section, std::string_view keyPrefix, int index,
                                  const std::string& file) {
    ProfileKey key = NumberedKey(keyPrefix, index);
    std::string text = ReadProfileValue(section, key, "", kMultiplierBuffer, file);
    double multiplier = ParseLeadingDouble(text);
    if (multiplier >= kSmallestMultiplier) return multiplier;
    // "NA" marks a rating the attribute does not have.
    if (EqualsNoCase(text, "NA") || EqualsNoCase(text, "N/A")) return 0;
    Platform().ShowMessage(InvalidProfileEntryText(key));
    return 0;
}

bool cCocomoDoc::AddCostDriver(std::string_view group, std::string_view name, double veryLow,
                               double low, double nominal, double high, double veryHigh,
                               double extraHigh) {
    try {
        EditCostDrivers().emplace_back(
            std::string(group), std::string(name),
            std::array<double, kRatingCount>{veryLow, low, nominal, high, veryHigh, extraHigh});
    } catch (const std::bad_alloc&) {
        Platform().ShowMessage(kMemoryMessage);
        return false;
    }
    return true;
}

// A negative entry keeps the constant; any other entry replaces it, so an absent key or
// a text that is no number gives 0.
void cCocomoDoc::LoadModeConstants(const std::string& file) {
    cProfileFileScope scope(file);
    for (DevelopmentMode mode : kDevelopmentModes) {
        ModeConstants& constants = modeConstants_[static_cast<std::size_t>(ModeIndex(mode))];
        double* fields[] = {&constants.a, &constants.b, &constants.tm, &constants.te};
        std::array<ProfileKey, 4> keys = ModeConstantKeys(mode);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            double value = ParseLeadingDouble(
                ReadProfileValue(kModeConstantsSection, keys[i], "", kModeConstantBuffer, file));
            if (value >= 0) *fields[i] = value;
        }
    }
}

void cCocomoDoc::LoadPhaseDistribution() {
    cProfileFileScope scope(DefaultsProfile());
    phaseDistribution_ = std::make_shared<std::vector<cPhaseDistribution>>();
    int firstRow = 0;
    for (const PhaseSection& section : PhaseSections()) {
        for (int index = 0; index < section.rows; ++index) {
            const std::array<double, kSizeClassCount>& builtIn =
                BuiltInPhaseFractions(firstRow + index);
            std::array<double, kSizeClassCount> fractions{};
            for (int sizeClass = 0; sizeClass < kSizeClassCount; ++sizeClass) {
                fractions[static_cast<std::size_t>(sizeClass)] = ReadPhaseFraction(
                    section.name,
                    PhaseKeyPrefix(section, sizeClass, PhaseKeyStyle::DefaultsProfile), index,
                    builtIn[static_cast<std::size_t>(sizeClass)]);
            }
            if (!AddPhaseRow(section.name, fractions[kSizeS], fractions[kSizeI], fractions[kSizeM],
                             fractions[kSizeL], fractions[kSizeVL])) {
                break;
            }
        }
        firstRow += section.rows;
    }
}

// An absent key ("-1") means the built-in value. A text that is no number is reported like
// a fraction out of range, instead of passing for 0.
double cCocomoDoc::ReadPhaseFraction(std::string_view section, std::string_view keyPrefix,
                                     int index, double builtInDefault) {
    ProfileKey key = NumberedKey(keyPrefix, index);
    std::optional<double> fraction = TryParseLeadingDouble(
        ReadProfileValue(section, key, "-1", kFractionBuffer, DefaultsProfile()));
    if (fraction && *fraction == kAbsentFraction) return builtInDefault;
    if (fraction && *fraction >= 0 && *fraction <= 1) return *fraction;
    Platform().ShowMessage(InvalidProfileEntryText(key));
    return builtInDefault;
}

bool cCocomoDoc::AddPhaseRow(std::string_view name, double s, double i, double m, double l,
                             double vl) {
    try {
        EditPhaseDistribution().emplace_back(std::string(name),
                                             std::array<double, kSizeClassCount>{s, i, m, l, vl});
    } catch (const std::bad_alloc&) {
        Platform().ShowMessage(kMemoryMessage);
        return false;
    }
    return true;
}

}  // namespace korval
