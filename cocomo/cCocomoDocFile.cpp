// The .CCM model file of cCocomoDoc: the model's own sections, written after and read
// after the description and report filter of the document base.
#include "cocomo/FiniteFigure.h"
#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cSectionMemo.h"

namespace korval {

namespace {

constexpr const char* kModelSection = "COCOMO_Model";
constexpr const char* kSensitivitySection = "COCOMO_Sensitivity_Analysis";
constexpr std::size_t kTokenBuffer = 20;
constexpr std::size_t kSizeBuffer = 20;
constexpr std::size_t kRatingValueBuffer = 10;
constexpr std::size_t kSensitivityBuffer = 15;
constexpr std::size_t kFileFractionBuffer = 10;
constexpr double kAbsentFraction = -1;

// Numbered keys count from 00 within each run of consecutive entries of one section.
template <class Item, class SectionOf>
std::vector<int> IndexesWithinSections(const std::vector<Item>& items, SectionOf sectionOf) {
    std::vector<int> indexes;
    indexes.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        bool continues = i > 0 && sectionOf(items[i]) == sectionOf(items[i - 1]);
        indexes.push_back(continues ? indexes.back() + 1 : 0);
    }
    return indexes;
}

std::vector<int> CostDriverIndexes(const std::vector<cCostDriverAttribute>& attributes) {
    return IndexesWithinSections(attributes,
                                 [](const cCostDriverAttribute& a) { return a.GetGroup(); });
}

std::vector<int> PhaseRowIndexes(const std::vector<cPhaseDistribution>& rows) {
    return IndexesWithinSections(rows, [](const cPhaseDistribution& row) { return row.GetName(); });
}

std::string TwoDecimals(double value) {
    return FormatNumber("%.2f", FiniteFigure(value));
}
std::string SixDecimals(double value) {
    return FormatNumber("%lf", FiniteFigure(value));
}
// Two decimals, as files have always held them, unless the value needs more: a calibrated
// 2.951 written as 2.95 would add 1.4 % to every effort at 100 KSLOC once the file is read.
std::string ConstantText(double value) {
    double finite = FiniteFigure(value);
    std::string text = TwoDecimals(finite);
    for (int digits = 3; digits <= 17 && ParseLeadingDouble(text) != finite; ++digits)
        text = FormatNumber("%.*g", digits, finite);
    return text;
}
std::string MultiplierText(double multiplier) {
    return multiplier == 0 ? "NA" : TwoDecimals(multiplier);
}

}  // namespace

bool cCocomoDoc::SaveOwnSections(const std::string& path) {
    bool written = SaveModelSection(path);
    written = SaveModeConstants(path) && written;
    written = SaveCostDrivers(path) && written;
    written = SaveSensitivity(path) && written;
    written = SavePhaseDistribution(path) && written;
    written = WriteCocomoUncertainty(uncertainty_, path) && written;
    return WriteCostSection(cost_, path) && written;
}

bool cCocomoDoc::SaveModelSection(const std::string& path) {
    return WriteProfileValue(kModelSection, "Development_Mode",
                             DevelopmentModeToken(developmentMode_), path) &&
           WriteProfileValue(kModelSection, "Model", ModelTypeToken(modelType_), path) &&
           WriteProfileValue(kModelSection, "Source_Lines_Code", SixDecimals(sourceLines_), path);
}

bool cCocomoDoc::SaveModeConstants(const std::string& path) {
    bool written = true;
    for (DevelopmentMode mode : kDevelopmentModes) {
        const ModeConstants& c = modeConstants_[static_cast<std::size_t>(ModeIndex(mode))];
        const double values[] = {c.a, c.b, c.tm, c.te};
        std::array<ProfileKey, 4> keys = ModeConstantKeys(mode);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            written =
                WriteProfileValue(kModeConstantsSection, keys[i], ConstantText(values[i]), path) &&
                written;
        }
    }
    return written;
}

bool cCocomoDoc::SaveCostDrivers(const std::string& path) {
    bool written = true;
    std::vector<int> indexes = CostDriverIndexes(*costDrivers_);
    for (std::size_t i = 0; i < costDrivers_->size(); ++i) {
        const cCostDriverAttribute& attribute = (*costDrivers_)[i];
        const CostDriverGroup* group = FindCostDriverGroup(attribute.GetGroup());
        if (!group) continue;
        auto write = [&](std::string_view prefix, const std::string& value) {
            written =
                WriteProfileValue(group->section, NumberedKey(prefix, indexes[i]), value, path) &&
                written;
        };
        write(CostDriverNameKey(*group), attribute.GetName());
        for (int rating = 0; rating < kRatingCount; ++rating) {
            write(CostDriverMultiplierKey(*group, rating),
                  MultiplierText(attribute.GetMultiplier(rating)));
        }
        write(CostDriverValueKey(*group), TwoDecimals(attribute.GetCurrentMultiplier()));
    }
    return written;
}

bool cCocomoDoc::SaveSensitivity(const std::string& path) {
    return WriteProfileValue(kSensitivitySection, "Selected_COCOMO_Sen",
                             SensitivityTypeToken(sensitivityType_), path) &&
           WriteProfileValue(kSensitivitySection, "SLOC_Sen", SixDecimals(slocSensitivity_),
                             path) &&
           WriteProfileValue(kSensitivitySection, "Nominal_Person_Months_Sen",
                             SixDecimals(nominalSensitivity_), path) &&
           WriteProfileValue(kSensitivitySection, "Adjusted_Person_Months_Sen",
                             SixDecimals(adjustedSensitivity_), path);
}

bool cCocomoDoc::SavePhaseDistribution(const std::string& path) {
    bool written = true;
    std::vector<int> indexes = PhaseRowIndexes(*phaseDistribution_);
    for (std::size_t i = 0; i < phaseDistribution_->size(); ++i) {
        const cPhaseDistribution& row = (*phaseDistribution_)[i];
        const PhaseSection* section = FindPhaseSection(row.GetName());
        if (!section) continue;
        for (int sizeClass = 0; sizeClass < kSizeClassCount; ++sizeClass) {
            ProfileKey key = NumberedKey(
                PhaseKeyPrefix(*section, sizeClass, PhaseKeyStyle::ModelFile), indexes[i]);
            written = WriteProfileValue(row.GetName(), key, TwoDecimals(row.GetFraction(sizeClass)),
                                        path) &&
                      written;
        }
    }
    return written;
}

// A value the file lacks or spoils keeps its default (the user is told about spoiled
// table entries): the sections always read.
bool cCocomoDoc::LoadOwnSections(const std::string& path) {
    LoadModelSection(path);
    LoadModeConstants(path);
    LoadFileCostDrivers(path);
    LoadSensitivity(path);
    LoadPhaseFractions(path);
    uncertainty_ = LoadFileUncertainty(path);
    cost_ = ReadCostSection(path, DefaultCostRate(DefaultsProfile()).currency);
    return true;
}

// Missing tokens give Semidetached and Intermediate; unknown ones leave the value as it is.
void cCocomoDoc::LoadModelSection(const std::string& path) {
    std::string mode = ReadProfileValue(kModelSection, "Development_Mode", "", kTokenBuffer, path);
    if (mode.empty()) {
        developmentMode_ = DevelopmentMode::Semidetached;
    } else if (std::optional<DevelopmentMode> parsed = ParseDevelopmentModeToken(mode)) {
        developmentMode_ = *parsed;
    }
    std::string model = ReadProfileValue(kModelSection, "Model", "", kTokenBuffer, path);
    if (model.empty()) {
        modelType_ = ModelType::Intermediate;
    } else if (std::optional<ModelType> parsed = ParseModelTypeToken(model)) {
        modelType_ = *parsed;
    }
    std::string size = ReadProfileValue(kModelSection, "Source_Lines_Code", "0", kSizeBuffer, path);
    std::optional<double> value = TryParseLeadingDouble(size);
    if (value && *value >= 0) {
        sourceLines_ = *value;
    } else {
        // The figures stay as ever (a size that is no number reads as none); the user hears.
        if (value) sourceLines_ = *value;
        Platform().ShowMessage(PrintableText(path) + ": [" + std::string(kModelSection) +
                               "] Source_Lines_Code = " + PrintableText(size) +
                               (value ? " is below 0." : " is not a number; the size is 0."));
    }
}

// A stored value that is none of the attribute's multipliers leaves its rating as it was
// (Nominal from the defaults), and the user is told which rating is used.
void cCocomoDoc::LoadCostDriverRatings(const std::string& path) {
    std::vector<int> indexes = CostDriverIndexes(*costDrivers_);
    for (std::size_t i = 0; i < costDrivers_->size(); ++i) {
        const CostDriverGroup* group = FindCostDriverGroup((*costDrivers_)[i].GetGroup());
        if (!group) continue;
        ProfileKey key = NumberedKey(CostDriverValueKey(*group), indexes[i]);
        std::string text = ReadProfileValue(group->section, key, "1.0", kRatingValueBuffer, path);
        std::optional<double> value = TryParseLeadingDouble(text);
        cCostDriverAttribute& attribute = EditCostDrivers()[i];
        if (value && attribute.SetCurrentMultiplier(*value)) continue;
        Platform().ShowMessage(PrintableText(path) + ": [" + std::string(group->section) + "] " +
                               key.String() + " = " + PrintableText(text) +
                               " is none of the multipliers of " + attribute.GetName() +
                               FormatNumber("; it is rated %s (%.2f).",
                                            std::string(RatingName(attribute.GetRating())).c_str(),
                                            attribute.GetCurrentMultiplier()));
    }
}

void cCocomoDoc::LoadSensitivity(const std::string& path) {
    std::string type =
        ReadProfileValue(kSensitivitySection, "Selected_COCOMO_Sen", "", kSensitivityBuffer, path);
    auto percent = [&](const char* key) {
        return ParseLeadingDouble(
            ReadProfileValue(kSensitivitySection, key, "0", kSensitivityBuffer, path));
    };
    double sloc = percent("SLOC_Sen");
    double nominal = percent("Nominal_Person_Months_Sen");
    double adjusted = percent("Adjusted_Person_Months_Sen");
    SetCocomoSensitivity(sloc, nominal, adjusted,
                         ParseSensitivityTypeToken(type).value_or(CocomoSensitivityType::Sloc));
}

// Members of a system carry the cost drivers of the defaults they were made from, rated
// alike more often than not: a table read and rated once is shared by every file that holds
// its sections alike (the ratings stand in the same sections).
void cCocomoDoc::LoadFileCostDrivers(const std::string& path) {
    static const std::vector<std::string_view> sections = [] {
        std::vector<std::string_view> names;
        for (const CostDriverGroup& group : CostDriverGroups()) names.push_back(group.section);
        return names;
    }();
    static cSectionMemo<std::shared_ptr<std::vector<cCostDriverAttribute>>> memo;
    costDrivers_ = memo.Read(path, sections, nullptr, Platform(), [&] {
        LoadCostDrivers(path);
        LoadCostDriverRatings(path);
        return costDrivers_;
    });
}

// Most files hold no uncertainty, or the same: read once per distinct section text (and
// number of cost drivers, whose ranges it holds).
CocomoUncertainty cCocomoDoc::LoadFileUncertainty(const std::string& path) {
    static const std::vector<std::string_view> sections = {kCocomoUncertaintySection};
    static cSectionMemo<CocomoUncertainty> memo;
    std::size_t drivers = costDrivers_->size();
    return memo.Read(path, sections, nullptr, drivers, Platform(),
                     [&] { return ReadCocomoUncertainty(path, drivers); });
}

// What the file's fractions make of the defaults' table, shared as the cost drivers are:
// the result depends on the table it starts from too.
void cCocomoDoc::LoadPhaseFractions(const std::string& path) {
    static const std::vector<std::string_view> sections = [] {
        std::vector<std::string_view> names;
        for (const PhaseSection& section : PhaseSections()) names.push_back(section.name);
        return names;
    }();
    static cSectionMemo<std::shared_ptr<std::vector<cPhaseDistribution>>> memo;
    phaseDistribution_ = memo.Read(path, sections, phaseDistribution_, Platform(), [&] {
        ReadPhaseFractions(path);
        return phaseDistribution_;
    });
}

// The file overrides the defaults profile's fractions value by value; a missing key keeps
// the defaults profile's value.
void cCocomoDoc::ReadPhaseFractions(const std::string& path) {
    if (phaseDistribution_->empty()) {
        Platform().ShowMessage("no array");
        return;
    }
    std::vector<int> indexes = PhaseRowIndexes(*phaseDistribution_);
    for (std::size_t i = 0; i < phaseDistribution_->size(); ++i) {
        const PhaseSection* section = FindPhaseSection((*phaseDistribution_)[i].GetName());
        if (!section) continue;
        for (int sizeClass = 0; sizeClass < kSizeClassCount; ++sizeClass) {
            ProfileKey key = NumberedKey(
                PhaseKeyPrefix(*section, sizeClass, PhaseKeyStyle::ModelFile), indexes[i]);
            std::optional<double> fraction = TryParseLeadingDouble(
                ReadProfileValue(section->name, key, "-1", kFileFractionBuffer, path));
            if (fraction && *fraction == kAbsentFraction) continue;
            if (fraction && *fraction >= 0 && *fraction <= 1) {
                // A file saved from the defaults holds their fractions: the table stays shared.
                if (*fraction != (*phaseDistribution_)[i].GetFraction(sizeClass))
                    EditPhaseDistribution()[i].SetFraction(sizeClass, *fraction);
            } else {
                Platform().ShowMessage(InvalidProfileEntryText(key));
            }
        }
    }
}

}  // namespace korval
