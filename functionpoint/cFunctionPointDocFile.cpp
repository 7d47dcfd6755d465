// The .FPM model file of cFunctionPointDoc: the model's own sections, written after and
// read after the description and report filter of the document base.
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/cSectionMemo.h"
#include "functionpoint/LanguageProfile.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

namespace {

constexpr const char* kCountsSection = "FunctionCounts";
constexpr const char* kComplexitySection = "ProcessingComplexity";
constexpr const char* kSensitivitySection = "FP_Sensitivity_Analysis";

// Weights, counts and ratings in model files are read with nine characters; sensitivity
// values with fourteen.
constexpr std::size_t kModelIntegerBuffer = 10;
constexpr std::size_t kSensitivityBuffer = 15;

// The type percentages have always been filed in this order.
constexpr FunctionType kTypeKeyOrder[kFunctionTypeCount] = {kExternalInput, kExternalInquiry,
                                                            kExternalInterfaceFile, kExternalOutput,
                                                            kInternalLogicalFile};

bool WriteInt(std::string_view section, std::string_view key, int value, const std::string& path) {
    return WriteProfileValue(section, key, FormatNumber("%d", value), path);
}

}  // namespace

bool cFunctionPointDoc::SaveFunctionCounts(const std::string& path) const {
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        if (!WriteInt(kCountsSection, FunctionWeightKey(cell), counts_[cell].GetWeight(), path))
            return false;
    }
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        if (!WriteInt(kCountsSection, FunctionCountKey(cell), counts_[cell].GetCount(), path))
            return false;
    }
    return true;
}

// Keys of a longer table saved earlier are emptied, so a deleted language never returns.
bool cFunctionPointDoc::SaveLanguageSection(const std::string& path) const {
    return SaveLanguages(path, *languages_) && BlankSurplusLanguages(path, languages_->Count()) &&
           WriteSelectedLanguage(path, selectedLanguage_);
}

bool cFunctionPointDoc::SaveRatings(const std::string& path) const {
    for (int i = 0; i < kSystemCharacteristicCount; ++i) {
        if (!WriteInt(kComplexitySection, SystemCharacteristicKey(i), ratings_[i], path))
            return false;
    }
    return true;
}

bool cFunctionPointDoc::SaveSensitivity(const std::string& path) const {
    if (!WriteProfileValue(kSensitivitySection, "Selected_FP_Sen",
                           FpSensitivityTypeToken(sensitivity_.type), path)) {
        return false;
    }
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        if (!WriteInt(kSensitivitySection, FunctionWeightKey(cell),
                      sensitivity_.cellPercentages[cell], path))
            return false;
    }
    for (FunctionType type : kTypeKeyOrder) {
        if (!WriteInt(kSensitivitySection, FunctionTypeTotalKey(type),
                      sensitivity_.typePercentages[type], path))
            return false;
    }
    return WriteInt(kSensitivitySection, "Total_Unadjusted_FP_Sen",
                    sensitivity_.unadjustedPercentage, path) &&
           WriteInt(kSensitivitySection, "Total_Adjusted_FP_Sen", sensitivity_.adjustedPercentage,
                    path);
}

bool cFunctionPointDoc::SaveOwnSections(const std::string& path) {
    return SaveFunctionCounts(path) && SaveLanguageSection(path) && SaveRatings(path) &&
           SaveSensitivity(path) && WriteFunctionPointUncertainty(uncertainty_, path);
}

// A weight or count that does not begin with a number keeps its previous value, as a
// rating does; a negative one is ignored by the cell.
void cFunctionPointDoc::LoadFunctionCounts(const std::string& path) {
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        std::string text = ReadProfileValue(kCountsSection, FunctionWeightKey(cell), "0",
                                            kModelIntegerBuffer, path);
        if (std::optional<int> weight = TryParseLeadingInt(text)) counts_[cell].SetWeight(*weight);
    }
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        std::string text = ReadProfileValue(kCountsSection, FunctionCountKey(cell), "0",
                                            kModelIntegerBuffer, path);
        if (std::optional<int> count = TryParseLeadingInt(text)) counts_[cell].SetCount(*count);
    }
}

void cFunctionPointDoc::LoadRatings(const std::string& path) {
    for (int i = 0; i < kSystemCharacteristicCount; ++i) {
        std::string text = ReadProfileValue(kComplexitySection, SystemCharacteristicKey(i), "0",
                                            kModelIntegerBuffer, path);
        if (std::optional<int> rating = TryParseLeadingInt(text)) ratings_[i] = *rating;
    }
}

// Some twenty keys, mostly alike in every member: read once per distinct section text.
void cFunctionPointDoc::LoadSensitivity(const std::string& path) {
    static const std::vector<std::string_view> sections = {kSensitivitySection};
    static cSectionMemo<FpSensitivitySettings> memo;
    SetSensitivity(memo.Read(path, sections, nullptr, Platform(), [&] {
        auto readPercentage = [&](std::string_view key) {
            return ParseLeadingInt(
                ReadProfileValue(kSensitivitySection, key, "0", kSensitivityBuffer, path));
        };
        FpSensitivitySettings settings;
        std::string token =
            ReadProfileValue(kSensitivitySection, "Selected_FP_Sen", "", kSensitivityBuffer, path);
        settings.type = ParseFpSensitivityType(token).value_or(SensitivityType::ADJ_FP);
        for (int cell = 0; cell < kFunctionCellCount; ++cell)
            settings.cellPercentages[cell] = readPercentage(FunctionWeightKey(cell));
        for (FunctionType type : kTypeKeyOrder)
            settings.typePercentages[type] = readPercentage(FunctionTypeTotalKey(type));
        settings.unadjustedPercentage = readPercentage("Total_Unadjusted_FP_Sen");
        settings.adjustedPercentage = readPercentage("Total_Adjusted_FP_Sen");
        return settings;
    }));
}

// Members of a system carry the languages of the defaults they were made from: a table read
// once, with the selection kept in its section, is shared by every file that holds the
// section alike.
void cFunctionPointDoc::ReadLanguages(std::string path) {
    struct TableAndSelection {
        std::shared_ptr<const cLanguageTable> table;
        cLanguage selection;
    };
    static const std::vector<std::string_view> sections = {kLanguagesSection};
    static cSectionMemo<TableAndSelection> memo;
    if (path.empty()) path = DefaultsProfile();
    TableAndSelection read = memo.Read(path, sections, nullptr, Platform(), [&] {
        auto table = std::make_shared<cLanguageTable>();
        LoadLanguages(path, *table, Context());
        TableAndSelection result{table, cLanguage()};
        ReadSelectedLanguage(path, *table, result.selection);
        return result;
    });
    selectedLanguage_ = std::move(read.selection);
    languages_ = std::move(read.table);
}

// A language table that ends on a bad entry keeps the languages before it (the user has
// been told), and other values the file lacks or spoils keep their defaults: the
// sections always read.
bool cFunctionPointDoc::LoadOwnSections(const std::string& path) {
    ReadLanguages(path);
    LoadFunctionCounts(path);
    LoadRatings(path);
    LoadSensitivity(path);
    // Most files hold no uncertainty, or the same: read once per distinct section text.
    static const std::vector<std::string_view> uncertaintySections = {
        kFunctionPointUncertaintySection};
    static cSectionMemo<FunctionPointUncertainty> uncertaintyMemo;
    uncertainty_ = uncertaintyMemo.Read(path, uncertaintySections, nullptr, Platform(),
                                        [&] { return ReadFunctionPointUncertainty(path); });
    return true;
}

}  // namespace korval
