#include "cocomo/CocomoTables.h"

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"

namespace korval {

namespace {

constexpr std::array<std::string_view, kRatingCount> kRatingKeyParts = {"VL", "L",  "N",
                                                                        "H",  "VH", "EH"};
constexpr std::array<std::string_view, kRatingCount> kRatingNames = {
    "Very Low", "Low", "Nominal", "High", "Very High", "Extra High"};
constexpr std::array<std::string_view, kSizeClassCount> kSizeClassParts = {"S", "I", "M", "L",
                                                                           "VL"};
constexpr std::array<double, kSizeClassCount> kSizeClassKsloc = {2, 8, 32, 128, 512};

constexpr std::array<std::string_view, kDevelopmentModeCount> kModeWords = {
    "Organic", "Semidetached", "Embedded"};
constexpr std::array<std::string_view, 3> kModeTokens = {"ORGANIC", "SEMIDETACHED", "EMBEDDED"};
constexpr std::array<std::string_view, 3> kModelTokens = {"BASIC", "INTERMEDIATE", "ADVANCED"};
constexpr std::array<std::string_view, 3> kSensitivityTokens = {"SLOC", "NOM_PM", "ADJ_PM"};

constexpr std::array<std::array<double, kSizeClassCount>, kPhaseRowCount> kBuiltInFractions = {{
    // Organic: effort of product design, detailed design, code and unit test, integration
    // and test; schedule of product design, programming, integration and test.
    {0.16, 0.16, 0.16, 0.16, 0},
    {0.26, 0.25, 0.24, 0.23, 0},
    {0.42, 0.40, 0.38, 0.36, 0},
    {0.16, 0.19, 0.22, 0.25, 0},
    {0.19, 0.19, 0.19, 0.19, 0},
    {0.63, 0.59, 0.55, 0.51, 0},
    {0.18, 0.22, 0.26, 0.30, 0},
    // Semidetached
    {0.17, 0.17, 0.17, 0.17, 0.17},
    {0.27, 0.26, 0.25, 0.24, 0.23},
    {0.37, 0.35, 0.33, 0.31, 0.29},
    {0.19, 0.22, 0.25, 0.28, 0.31},
    {0.24, 0.25, 0.26, 0.27, 0.28},
    {0.56, 0.52, 0.48, 0.44, 0.40},
    {0.20, 0.23, 0.26, 0.29, 0.32},
    // Embedded
    {0.18, 0.18, 0.18, 0.18, 0.18},
    {0.28, 0.27, 0.26, 0.25, 0.24},
    {0.32, 0.30, 0.28, 0.26, 0.24},
    {0.22, 0.25, 0.28, 0.31, 0.34},
    {0.30, 0.32, 0.34, 0.36, 0.38},
    {0.48, 0.44, 0.40, 0.36, 0.32},
    {0.22, 0.24, 0.26, 0.28, 0.30},
}};

std::string TokenOf(int value, const std::array<std::string_view, 3>& tokens) {
    return value >= 0 && value < 3 ? std::string(tokens[static_cast<std::size_t>(value)])
                                   : "UNKNOWN";
}

// The word or the digit of a value, in any letter case.
template <class Value>
std::optional<Value> ParseWordOrDigit(std::string_view text,
                                      const std::array<std::string_view, 3>& tokens) {
    static constexpr std::array<std::string_view, 3> kDigits = {"0", "1", "2"};
    for (int i = 0; i < 3; ++i) {
        if (text == kDigits[static_cast<std::size_t>(i)] ||
            EqualsNoCase(text, tokens[static_cast<std::size_t>(i)])) {
            return static_cast<Value>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

const std::array<CostDriverGroup, kCostDriverGroupCount>& CostDriverGroups() {
    static const std::array<CostDriverGroup, kCostDriverGroupCount> groups = {{
        {"Product_CDA_Group", "Product", "Product"},
        {"Hardware_CDA_Group", "Hardware", "Hardware"},
        {"Personnel_CDA_Group", "Personnel", "Personnel"},
        {"Project_CDA_Group", "Project", "Project"},
        {"UserDef_CDA_Group", "UserDef", "User Defined"},
    }};
    return groups;
}

const CostDriverGroup* FindCostDriverGroup(std::string_view section) {
    for (const CostDriverGroup& group : CostDriverGroups()) {
        if (group.section == section) return &group;
    }
    return nullptr;
}

std::string_view RatingKeyPart(int rating) {
    return rating >= 0 && rating < kRatingCount ? kRatingKeyParts[static_cast<std::size_t>(rating)]
                                                : std::string_view();
}

std::string_view RatingName(int rating) {
    return rating >= 0 && rating < kRatingCount ? kRatingNames[static_cast<std::size_t>(rating)]
                                                : std::string_view();
}

ProfileKey NumberedKey(std::string_view prefix, int index) {
    return ProfileKey(prefix.substr(0, 28)).Number(index);
}

ProfileKey CostDriverMultiplierKey(const CostDriverGroup& group, int rating) {
    return ProfileKey(group.word).Append("_CDA_").Append(RatingKeyPart(rating)).Append("_Mult");
}

ProfileKey CostDriverNameKey(const CostDriverGroup& group) {
    return ProfileKey(group.word).Append("_CDA_Name");
}

ProfileKey CostDriverValueKey(const CostDriverGroup& group) {
    return ProfileKey(group.word).Append("_CDA_Value");
}

std::array<ProfileKey, 4> ModeConstantKeys(DevelopmentMode mode) {
    std::string_view word = kModeWords[static_cast<std::size_t>(ModeIndex(mode))];
    return {ProfileKey(word).Append("_PM_Nom_Mult"), ProfileKey(word).Append("_PM_Nom_Exp"),
            ProfileKey(word).Append("_TDEV_Mult"), ProfileKey(word).Append("_TDEV_Exp")};
}

const std::array<ModeConstants, kDevelopmentModeCount>& BuiltInModeConstants() {
    static const std::array<ModeConstants, kDevelopmentModeCount> constants = {{
        {3.2, 1.05, 2.5, 0.38},
        {3.0, 1.12, 2.5, 0.35},
        {2.8, 1.20, 2.5, 0.32},
    }};
    return constants;
}

const std::array<PhaseSection, kPhaseSectionCount>& PhaseSections() {
    static const std::array<PhaseSection, kPhaseSectionCount> sections = {{
        {"Effort_PDP_Organic", "Effort_PDP_Org", DevelopmentMode::Organic, 4},
        {"Sched_PDP_Organic", "Sched_PDP_Org", DevelopmentMode::Organic, 3},
        {"Effort_PDP_Semidetached", "Effort_PDP_Sem", DevelopmentMode::Semidetached, 4},
        {"Sched_PDP_Semidetached", "Sched_PDP_Sem", DevelopmentMode::Semidetached, 3},
        {"Effort_PDP_Embedded", "Effort_PDP_Emb", DevelopmentMode::Embedded, 4},
        {"Sched_PDP_Embedded", "Sched_PDP_Emb", DevelopmentMode::Embedded, 3},
    }};
    return sections;
}

const PhaseSection* FindPhaseSection(std::string_view name) {
    for (const PhaseSection& section : PhaseSections()) {
        if (section.name == name) return &section;
    }
    return nullptr;
}

ProfileKey PhaseKeyPrefix(const PhaseSection& section, int sizeClass, PhaseKeyStyle style) {
    std::string_view stem = section.keyStem;
    if (style == PhaseKeyStyle::ModelFile && section.name == "Effort_PDP_Semidetached" &&
        sizeClass == kSizeVL) {
        stem = "Effort_PDP_Org";
    }
    return ProfileKey(stem)
        .Append("_")
        .Append(kSizeClassParts[static_cast<std::size_t>(sizeClass)])
        .Append("_Per");
}

const std::array<double, kSizeClassCount>& BuiltInPhaseFractions(int row) {
    return kBuiltInFractions[static_cast<std::size_t>(row)];
}

double SizeClassKsloc(int sizeClass) {
    return kSizeClassKsloc[static_cast<std::size_t>(sizeClass)];
}

std::string DevelopmentModeToken(DevelopmentMode mode) {
    return TokenOf(static_cast<int>(mode), kModeTokens);
}
std::string ModelTypeToken(ModelType model) {
    return TokenOf(static_cast<int>(model), kModelTokens);
}
std::string SensitivityTypeToken(CocomoSensitivityType type) {
    return TokenOf(static_cast<int>(type), kSensitivityTokens);
}

std::optional<DevelopmentMode> ParseDevelopmentModeToken(std::string_view text) {
    return ParseWordOrDigit<DevelopmentMode>(text, kModeTokens);
}
std::optional<ModelType> ParseModelTypeToken(std::string_view text) {
    return ParseWordOrDigit<ModelType>(text, kModelTokens);
}

std::optional<CocomoSensitivityType> ParseSensitivityTypeToken(std::string_view text) {
    for (int i = 0; i < 3; ++i) {
        if (EqualsNoCase(text, kSensitivityTokens[static_cast<std::size_t>(i)]))
            return static_cast<CocomoSensitivityType>(i);
    }
    return std::nullopt;
}

std::string InvalidProfileEntryText(std::string_view key) {
    return "Invalid profile entry:  " + CutToChars(key, 40);
}

}  // namespace korval
