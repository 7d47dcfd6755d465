#include "functionpoint/cFunctionPointDoc.h"

#include <cstdint>
#include <limits>

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileMemo.h"
#include "functionpoint/LanguageProfile.h"
#include "functionpoint/cFpReverseDlg.h"
#include "functionpoint/cFpSensitivityDlg.h"
#include "functionpoint/cFunctionPointCountDlg.h"
#include "functionpoint/cLanguageDlg.h"
#include "functionpoint/cValueAdjustmentDlg.h"

namespace korval {

namespace {

constexpr const char* kCountsSection = "FunctionCounts";
constexpr const char* kComplexitySection = "ProcessingComplexity";
constexpr const char* kSensitivitySection = "FP_Sensitivity_Analysis";

// Weights in the defaults profile are read with three characters; weights, counts and
// ratings in model files with nine; sensitivity values with fourteen.
constexpr std::size_t kDefaultWeightBuffer = 4;
constexpr std::size_t kModelIntegerBuffer = 10;
constexpr std::size_t kSensitivityBuffer = 15;

// The type percentages have always been filed in this order.
constexpr FunctionType kTypeKeyOrder[kFunctionTypeCount] = {kExternalInput, kExternalInquiry,
                                                            kExternalInterfaceFile, kExternalOutput,
                                                            kInternalLogicalFile};

// amount x percent x 0.01, the product formed exactly in 64 bits while it fits there; a
// larger product (possible only with extreme counts from a file) is formed in floating
// point instead of wrapping round.
double PercentOf(std::uint64_t amount, int percent) {
    std::uint64_t factor = percent > 0 ? static_cast<std::uint64_t>(percent) : 0;
    if (factor != 0 && amount > std::numeric_limits<std::uint64_t>::max() / factor) {
        return static_cast<double>(amount) * static_cast<double>(factor) * 0.01;
    }
    return static_cast<double>(amount * factor) * 0.01;
}

// A low value below zero becomes zero (and never the negative zero "-0.0").
double NotBelowZero(double value) {
    return value > 0.0 ? value : 0.0;
}

int PercentageOrZero(int percentage) {
    return (percentage < 0 || percentage > 100) ? 0 : percentage;
}

std::string RangeText(double low, double high) {
    return FormatNumber("(%-3.1lf - %3.1lf)", low, high);
}

std::string_view SensitivityTypeText(SensitivityType type) {
    switch (type) {
        case SensitivityType::DETAILS:
            return "Function Count Details";
        case SensitivityType::INTERM_TOT:
            return "FP Intermediate Totals";
        case SensitivityType::UNADJ_FP:
            return "Unadjusted Function Points";
        default:
            return "Adjusted Function Points";
    }
}

bool WriteInt(std::string_view section, std::string_view key, int value, const std::string& path) {
    return WriteProfileValue(section, key, FormatNumber("%d", value), path);
}

}  // namespace

cFunctionPointDoc::cFunctionPointDoc(cAppContext& context)
    : cModelDoc(context, DocumentKind::FunctionPoint) {
    ResetToDefaults();
}

// --- Figures -----------------------------------------------------------------------

std::uint64_t cFunctionPointDoc::TypeSubtotal(FunctionType type) const {
    std::uint64_t subtotal = 0;
    for (int complexity = 0; complexity < kFunctionComplexityCount; ++complexity) {
        subtotal +=
            counts_[FunctionCellIndex(type, static_cast<FunctionComplexity>(complexity))].Product();
    }
    return subtotal;
}

double cFunctionPointDoc::UnadjustedFunctionPoints(double& low, double& high) const {
    double ufp = 0.0;
    for (const cFunctionCount& cell : counts_) ufp += static_cast<double>(cell.Product());
    return UnadjustedRange(ufp, low, high);
}

double cFunctionPointDoc::UnadjustedFunctionPoints() const {
    double low = 0.0, high = 0.0;
    return UnadjustedFunctionPoints(low, high);
}

double cFunctionPointDoc::UnadjustedRange(double ufp, double& low, double& high) const {
    low = high = 0.0;
    switch (sensitivity_.type) {
        case SensitivityType::DETAILS:
            for (int cell = 0; cell < kFunctionCellCount; ++cell) {
                std::uint64_t product = counts_[cell].Product();
                double delta = PercentOf(product, sensitivity_.cellPercentages[cell]);
                low += static_cast<double>(product) - delta;
                high += static_cast<double>(product) + delta;
            }
            break;
        case SensitivityType::INTERM_TOT:
            for (int type = 0; type < kFunctionTypeCount; ++type) {
                std::uint64_t subtotal = TypeSubtotal(static_cast<FunctionType>(type));
                double delta = PercentOf(subtotal, sensitivity_.typePercentages[type]);
                low += static_cast<double>(subtotal) - delta;
                high += static_cast<double>(subtotal) + delta;
            }
            break;
        case SensitivityType::UNADJ_FP: {
            double delta = ufp * sensitivity_.unadjustedPercentage * 0.01;
            low = ufp - delta;
            high = ufp + delta;
            break;
        }
        default:
            low = high = ufp;
            break;
    }
    low = NotBelowZero(low);
    return ufp;
}

double cFunctionPointDoc::ValueAdjustmentFactor() const {
    // Ratings read from a file are kept as they were written, so their sum may leave 32 bits.
    std::int64_t sum = 0;
    for (int rating : ratings_) sum += rating;
    return 0.65 + 0.01 * static_cast<double>(sum);
}

double cFunctionPointDoc::AdjustedFunctionPoints(double& low, double& high) const {
    double ufpLow = 0.0, ufpHigh = 0.0;
    double ufp = UnadjustedFunctionPoints(ufpLow, ufpHigh);
    double vaf = ValueAdjustmentFactor();
    double afp = vaf * ufp;
    if (sensitivity_.type == SensitivityType::ADJ_FP) {
        double delta = afp * sensitivity_.adjustedPercentage * 0.01;
        low = afp - delta;
        high = afp + delta;
    } else {
        low = vaf * ufpLow;
        high = vaf * ufpHigh;
    }
    low = NotBelowZero(low);
    return afp;
}

double cFunctionPointDoc::AdjustedFunctionPoints() const {
    double low = 0.0, high = 0.0;
    return AdjustedFunctionPoints(low, high);
}

double cFunctionPointDoc::SourceLinesOfCode(double& low, double& high) const {
    double afpLow = 0.0, afpHigh = 0.0;
    double afp = AdjustedFunctionPoints(afpLow, afpHigh);
    double multiplier = selectedLanguage_.GetMultiplier();
    low = NotBelowZero(multiplier * afpLow);
    high = multiplier * afpHigh;
    return multiplier * afp;
}

double cFunctionPointDoc::SourceLinesOfCode() const {
    double low = 0.0, high = 0.0;
    return SourceLinesOfCode(low, high);
}

// --- Model data --------------------------------------------------------------------

void cFunctionPointDoc::SetSensitivity(const FpSensitivitySettings& settings) {
    sensitivity_ = settings;
    for (int& percentage : sensitivity_.cellPercentages) percentage = PercentageOrZero(percentage);
    for (int& percentage : sensitivity_.typePercentages) percentage = PercentageOrZero(percentage);
    sensitivity_.unadjustedPercentage = PercentageOrZero(settings.unadjustedPercentage);
    sensitivity_.adjustedPercentage = PercentageOrZero(settings.adjustedPercentage);
    sensitivity_.type = FpSensitivityTypeFromInt(static_cast<int>(settings.type));
}

void cFunctionPointDoc::SetSensitivity(const std::array<int, kFunctionCellCount>& cellPercentages,
                                       const std::array<int, kFunctionTypeCount>& typePercentages,
                                       int unadjustedPercentage, int adjustedPercentage, int type) {
    FpSensitivitySettings settings;
    settings.cellPercentages = cellPercentages;
    settings.typePercentages = typePercentages;
    settings.unadjustedPercentage = unadjustedPercentage;
    settings.adjustedPercentage = adjustedPercentage;
    settings.type = FpSensitivityTypeFromInt(type);
    SetSensitivity(settings);
}

// A weight that is not a number, or a negative one, cannot be used: the user is told and
// the built-in weight takes its place. "0" is a valid weight.
void cFunctionPointDoc::LoadWeights() {
    const std::string& path = DefaultsProfile();
    cProfileFileScope scope(path);
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        std::string key = FunctionWeightKey(cell);
        std::string text =
            ReadProfileValue(kCountsSection, key, FormatNumber("%d", BuiltInFunctionWeight(cell)),
                             kDefaultWeightBuffer, path);
        int weight = ParseLeadingInt(text);
        if ((weight == 0 && (text.empty() || text[0] != '0')) || weight < 0) {
            Platform().ShowMessage("Invalid profile entry:  " + CutToChars(key, 40));
            weight = BuiltInFunctionWeight(cell);
        }
        counts_[cell].SetWeight(weight);
    }
}

void cFunctionPointDoc::ResetToDefaults() {
    cModelDoc::ResetToDefaults();
    struct DefaultTables {
        FunctionCounts weights{};
        cLanguageTable languages;
    };
    static cProfileMemo<DefaultTables> defaults;
    cProfileFileScope scope(DefaultsProfile());
    const DefaultTables& tables = defaults.Get(DefaultsProfile(), [this] {
        counts_ = FunctionCounts{};
        LoadWeights();
        std::string fromDefaults;
        LoadLanguages(fromDefaults, languages_, Context());
        return DefaultTables{counts_, languages_};
    });
    counts_ = tables.weights;
    languages_ = tables.languages;
    selectedLanguage_ = cLanguage();
    ratings_ = Ratings{};
    sensitivity_ = FpSensitivitySettings{};
}

// --- File --------------------------------------------------------------------------

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
    return SaveLanguages(path, languages_) && BlankSurplusLanguages(path, languages_.Count()) &&
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
                           FpSensitivityTypeToken(static_cast<int>(sensitivity_.type)), path)) {
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
           SaveSensitivity(path);
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

void cFunctionPointDoc::LoadSensitivity(const std::string& path) {
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
    SetSensitivity(settings);
}

void cFunctionPointDoc::LoadOwnSections(const std::string& path) {
    std::string languagePath = path;
    LoadLanguages(languagePath, languages_, Context());
    ReadSelectedLanguage(languagePath, languages_, selectedLanguage_);
    LoadFunctionCounts(path);
    LoadRatings(path);
    LoadSensitivity(path);
}

// --- Report ------------------------------------------------------------------------

void cFunctionPointDoc::DrawFigureRows(cDrawContext& dc, int& y, unsigned& flags,
                                       int& total) const {
    constexpr double kSpacing = 0.5;
    bool sensitivityOn = GetFilter(kSensitivityAnalysisSwitch) == kFilterOn;
    if (sensitivityOn) {
        total += DrawRow(dc, y, "",
                         "Sensitivity Analysis Type: ", SensitivityTypeText(sensitivity_.type), "",
                         flags, kSpacing);
    }
    if (GetFilter(kIntermediateTotalsSwitch) == kFilterOn) {
        double ufpLow = 0.0, ufpHigh = 0.0, afpLow = 0.0, afpHigh = 0.0;
        double ufp = UnadjustedFunctionPoints(ufpLow, ufpHigh);
        double afp = AdjustedFunctionPoints(afpLow, afpHigh);
        bool ufpHasRange = sensitivityOn && sensitivity_.type != SensitivityType::ADJ_FP;
        total += DrawRow(dc, y, "", "Unadj. Function Points:", FormatNumber("%-3.1lf", ufp),
                         ufpHasRange ? RangeText(ufpLow, ufpHigh) : "", flags, kSpacing);
        total += DrawRow(dc, y, "", "Value Adjustment Factor:",
                         FormatNumber("%-.2lf", ValueAdjustmentFactor()), "", flags, kSpacing);
        total += DrawRow(dc, y, "", "Adj. Function Points:", FormatNumber("%-3.1lf", afp),
                         sensitivityOn ? RangeText(afpLow, afpHigh) : "", flags, kSpacing);
        total +=
            DrawRow(dc, y, "", "Language:", LanguageLabel(selectedLanguage_), "", flags, kSpacing);
    }
    if (GetFilter(kTotalsSwitch) == kFilterOn) {
        double low = 0.0, high = 0.0;
        double sloc = SourceLinesOfCode(low, high);
        total += DrawRow(dc, y, "", "Source Lines of Code:", FormatNumber("%-3.1lf", sloc),
                         sensitivityOn ? RangeText(low, high) : "", flags, kSpacing);
    }
}

int cFunctionPointDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    DrawFigureRows(dc, y, flags, total);
    return FinishReport(dc, total);
}

void cFunctionPointDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    cModelDoc::FillDisplayOptions(dialog);
    dialog.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, kFilterNotApplicable);
}

void cFunctionPointDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    SetFilter(kDescriptionSwitch, dialog.Result(cDisplayOptionsDlg::kDescriptionBox));
    SetFilter(kIntermediateTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kIntermediateTotalsBox));
    SetFilter(kTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kTotalsBox));
    SetFilter(kSensitivityAnalysisSwitch, dialog.Result(cDisplayOptionsDlg::kSensitivityBox));
}

// --- Commands ----------------------------------------------------------------------

bool cFunctionPointDoc::OnFunctionPointCount() {
    cFunctionPointCountDlg dialog(Platform(), counts_, selectedLanguage_, languages_);
    if (!Platform().RunDialog(dialog)) return false;
    counts_ = dialog.GetFunctionCounts();
    selectedLanguage_ = dialog.GetSelectedLanguage();
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

bool cFunctionPointDoc::OnValueAdjustmentFactor() {
    cValueAdjustmentDlg dialog(ratings_);
    if (!Platform().RunDialog(dialog)) return false;
    ratings_ = dialog.GetRatings();
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

bool cFunctionPointDoc::OnSensitivityAnalysis() {
    cFpSensitivityDlg dialog(Platform(), sensitivity_);
    if (!Platform().RunDialog(dialog)) return false;
    SetSensitivity(dialog.GetSettings());
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

void cFunctionPointDoc::OnReverseEngineering() {
    cFpReverseDlg dialog(Platform(), UnadjustedFunctionPoints(), AdjustedFunctionPoints(),
                         SourceLinesOfCode(), ValueAdjustmentFactor(), selectedLanguage_);
    Platform().RunDialog(dialog);
}

bool cFunctionPointDoc::OnLanguages() {
    return OnLanguages(GetPathName());
}

bool cFunctionPointDoc::OnLanguages(const std::string& modelPath) {
    std::string editPath = DefaultsProfile();
    if (!modelPath.empty()) {
        std::string question = "Load languages from " + modelPath +
                               "?\n\n(Selecting 'NO' will load the KORVAL default languages.)\n";
        if (Platform().ShowMessage(question, MessageButtons::YesNo) == MessageAnswer::Yes)
            editPath = modelPath;
    }
    cLanguageDlg dialog(Context(), editPath, modelPath);
    if (!Platform().RunDialog(dialog)) return false;
    std::string reloadPath = modelPath;
    LoadLanguages(reloadPath, languages_, Context());
    ReadSelectedLanguage(reloadPath, languages_, selectedLanguage_);
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

}  // namespace korval
