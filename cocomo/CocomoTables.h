#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "framework/ProfileKey.h"

// The fixed vocabulary of the COCOMO model: modes, model types, sensitivity types,
// ratings and size classes, the built-in constants, and the section and key names of
// the cost driver, mode constant and phase distribution tables.
namespace korval {

// The numbers are those model files may hold instead of the tokens.
enum class DevelopmentMode { Organic = 0, Semidetached = 1, Embedded = 2 };
inline constexpr int kDevelopmentModeCount = 3;
inline constexpr std::array<DevelopmentMode, kDevelopmentModeCount> kDevelopmentModes = {
    DevelopmentMode::Organic, DevelopmentMode::Semidetached, DevelopmentMode::Embedded};
// The mode's place in the tables of modes; a value outside 0..2 belongs to no mode.
constexpr int ModeIndex(DevelopmentMode mode) {
    return static_cast<int>(mode);
}
constexpr bool IsKnownMode(DevelopmentMode mode) {
    return ModeIndex(mode) >= 0 && ModeIndex(mode) < kDevelopmentModeCount;
}

enum class ModelType { Basic = 0, Intermediate = 1, Advanced = 2 };

// Which quantity the sensitivity analysis varies: the size, the nominal effort or the
// adjusted effort.
enum class CocomoSensitivityType { Sloc = 0, NominalEffort = 1, AdjustedEffort = 2 };

enum Rating : int { kVeryLow, kLow, kNominal, kHigh, kVeryHigh, kExtraHigh, kRatingCount };
inline constexpr int kRatingUndefined = -1;

enum SizeClass : int { kSizeS, kSizeI, kSizeM, kSizeL, kSizeVL, kSizeClassCount };

// Equation constants of one development mode: effort = a x KSLOC^b, schedule = tm x effort^te.
struct ModeConstants {
    double a = 0;
    double b = 0;
    double tm = 0;
    double te = 0;
};

struct CostDriverGroup {
    std::string_view section;  // "Product_CDA_Group"
    std::string_view word;     // "Product", the start of every key of the group
    std::string_view label;    // "Product", as the Cost Driver Attributes dialog shows it
};
inline constexpr int kCostDriverGroupCount = 5;
inline constexpr int kMaxAttributesPerGroup = 100;

// One section of the phase distribution table and the rows it holds.
struct PhaseSection {
    std::string_view name;     // "Effort_PDP_Organic"
    std::string_view keyStem;  // "Effort_PDP_Org"
    DevelopmentMode mode;
    int rows;  // 4 effort rows or 3 schedule rows
};
inline constexpr int kPhaseSectionCount = 6;
inline constexpr int kPhaseRowsPerMode = 7;
inline constexpr int kPhaseRowCount = kPhaseRowsPerMode * kDevelopmentModeCount;

// Offsets of the rows of one mode in the phase distribution table.
enum PhaseRowOffset : int {
    kProductDesignEffortRow = 0,
    kDetailedDesignEffortRow = 1,
    kCodeAndUnitTestEffortRow = 2,
    kIntegrationEffortRow = 3,
    kProductDesignScheduleRow = 4,
    kProgrammingScheduleRow = 5,
    kIntegrationScheduleRow = 6
};

const std::array<CostDriverGroup, kCostDriverGroupCount>& CostDriverGroups();
// The group whose section name this is; null for any other text.
const CostDriverGroup* FindCostDriverGroup(std::string_view section);

// "VL", "L", "N", "H", "VH", "EH".
std::string_view RatingKeyPart(int rating);
// "Very Low" ... "Extra High"; empty for an undefined rating.
std::string_view RatingName(int rating);

// A numbered key: the prefix (at most 28 characters) and a two-digit index.
ProfileKey NumberedKey(std::string_view prefix, int index);
// "Product_CDA_VL_Mult" and the like; the rating part is left out for the name and the
// value keys ("Product_CDA_Name", "Product_CDA_Value").
ProfileKey CostDriverMultiplierKey(const CostDriverGroup& group, int rating);
ProfileKey CostDriverNameKey(const CostDriverGroup& group);
ProfileKey CostDriverValueKey(const CostDriverGroup& group);

// The sizes of the projects the published 1981 constants were fitted on, in KSLOC.
inline constexpr double kCalibratedKslocLow = 2.0;
inline constexpr double kCalibratedKslocHigh = 1000.0;

inline constexpr std::string_view kModeConstantsSection = "Development_Mode_Constants";
// The four keys of a mode, in reading order: PM_Nom_Mult, PM_Nom_Exp, TDEV_Mult, TDEV_Exp.
std::array<ProfileKey, 4> ModeConstantKeys(DevelopmentMode mode);
const std::array<ModeConstants, kDevelopmentModeCount>& BuiltInModeConstants();

const std::array<PhaseSection, kPhaseSectionCount>& PhaseSections();
const PhaseSection* FindPhaseSection(std::string_view name);
// The key prefix of one size class in a phase section. Model files keep the semidetached
// effort VL fractions under the organic key name; defaults profiles do not.
enum class PhaseKeyStyle { DefaultsProfile, ModelFile };
ProfileKey PhaseKeyPrefix(const PhaseSection& section, int sizeClass, PhaseKeyStyle style);
// The built-in fractions of row 0..20 of the table.
const std::array<double, kSizeClassCount>& BuiltInPhaseFractions(int row);
// Size of each size class in KSLOC: 2, 8, 32, 128, 512.
double SizeClassKsloc(int sizeClass);

// File tokens. Any value outside the known ones is written "UNKNOWN".
std::string DevelopmentModeToken(DevelopmentMode mode);
std::string ModelTypeToken(ModelType model);
std::string SensitivityTypeToken(CocomoSensitivityType type);
// "0" or "ORGANIC" and so on, in any letter case; nothing for another text.
std::optional<DevelopmentMode> ParseDevelopmentModeToken(std::string_view text);
std::optional<ModelType> ParseModelTypeToken(std::string_view text);
// "SLOC", "NOM_PM", "ADJ_PM" in any letter case; nothing for another text.
std::optional<CocomoSensitivityType> ParseSensitivityTypeToken(std::string_view text);

// "Invalid profile entry:  " (two blanks) and the key, cut to 40 characters.
std::string InvalidProfileEntryText(std::string_view key);

}  // namespace korval
