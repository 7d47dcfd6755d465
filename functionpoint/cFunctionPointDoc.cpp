#include "functionpoint/cFunctionPointDoc.h"

#include <cstdint>
#include <limits>

#include "framework/cProfileFileScope.h"
#include "framework/cProfileMemo.h"
#include "functionpoint/FunctionPointFormulas.h"
#include "functionpoint/LanguageProfile.h"
#include "functionpoint/cValueAdjustmentDlg.h"

namespace korval {

namespace {

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

RangedFigure cFunctionPointDoc::UnadjustedFunctionPointsRange() const {
    double ufp = 0.0;
    for (const cFunctionCount& cell : counts_) ufp += static_cast<double>(cell.Product());
    return UnadjustedRange(ufp);
}

RangedFigure cFunctionPointDoc::UnadjustedRange(double ufp) const {
    RangedFigure figure{ufp, 0.0, 0.0};
    switch (sensitivity_.type) {
        case SensitivityType::DETAILS:
            for (int cell = 0; cell < kFunctionCellCount; ++cell) {
                std::uint64_t product = counts_[cell].Product();
                double delta = PercentOf(product, sensitivity_.cellPercentages[cell]);
                figure.low += static_cast<double>(product) - delta;
                figure.high += static_cast<double>(product) + delta;
            }
            break;
        case SensitivityType::INTERM_TOT:
            for (int type = 0; type < kFunctionTypeCount; ++type) {
                std::uint64_t subtotal = TypeSubtotal(static_cast<FunctionType>(type));
                double delta = PercentOf(subtotal, sensitivity_.typePercentages[type]);
                figure.low += static_cast<double>(subtotal) - delta;
                figure.high += static_cast<double>(subtotal) + delta;
            }
            break;
        case SensitivityType::UNADJ_FP: {
            double delta = ufp * sensitivity_.unadjustedPercentage * 0.01;
            figure.low = ufp - delta;
            figure.high = ufp + delta;
            break;
        }
        default:
            figure.low = figure.high = ufp;
            break;
    }
    figure.low = NotBelowZero(figure.low);
    return figure;
}

double cFunctionPointDoc::TotalDegreeOfInfluence() const {
    // Ratings read from a file are kept as they were written, so their sum may leave 32 bits.
    std::int64_t sum = 0;
    for (int rating : ratings_) sum += rating;
    return static_cast<double>(sum);
}

double cFunctionPointDoc::ValueAdjustmentFactor() const {
    return ValueAdjustmentFactorFor(TotalDegreeOfInfluence());
}

RangedFigure cFunctionPointDoc::AdjustedFunctionPointsRange() const {
    RangedFigure ufp = UnadjustedFunctionPointsRange();
    double vaf = ValueAdjustmentFactor();
    RangedFigure afp{vaf * ufp.value, vaf * ufp.low, vaf * ufp.high};
    if (sensitivity_.type == SensitivityType::ADJ_FP) {
        double delta = afp.value * sensitivity_.adjustedPercentage * 0.01;
        afp.low = afp.value - delta;
        afp.high = afp.value + delta;
    }
    afp.low = NotBelowZero(afp.low);
    return afp;
}

RangedFigure cFunctionPointDoc::SourceLinesOfCodeRange() const {
    RangedFigure afp = AdjustedFunctionPointsRange();
    double multiplier = selectedLanguage_.GetMultiplier();
    return {multiplier * afp.value, NotBelowZero(multiplier * afp.low), multiplier * afp.high};
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
                                       int unadjustedPercentage, int adjustedPercentage,
                                       SensitivityType type) {
    FpSensitivitySettings settings;
    settings.cellPercentages = cellPercentages;
    settings.typePercentages = typePercentages;
    settings.unadjustedPercentage = unadjustedPercentage;
    settings.adjustedPercentage = adjustedPercentage;
    settings.type = type;
    SetSensitivity(settings);
}

void cFunctionPointDoc::ResetToDefaults() {
    cModelDoc::ResetToDefaults();
    struct DefaultTables {
        FunctionCounts weights{};
        std::shared_ptr<const cLanguageTable> languages;
    };
    static cProfileMemo<DefaultTables> defaults;
    cProfileFileScope scope(DefaultsProfile());
    const DefaultTables& tables = defaults.Get(DefaultsProfile(), [this] {
        counts_ = FunctionCounts{};
        LoadWeights();
        ReadLanguages("");
        return DefaultTables{counts_, languages_};
    });
    counts_ = tables.weights;
    languages_ = tables.languages;
    selectedLanguage_ = cLanguage();
    ratings_ = Ratings{};
    sensitivity_ = FpSensitivitySettings{};
    uncertainty_ = {};
}

}  // namespace korval
