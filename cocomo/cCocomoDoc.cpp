#include "cocomo/cCocomoDoc.h"

#include <cmath>

#include "cocomo/CocomoFormulas.h"
#include "cocomo/FiniteFigure.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileMemo.h"

namespace korval {

namespace {

constexpr double kPercent = 0.01;

bool IsPercentage(double percent) {
    return percent >= 0 && percent <= 100;
}
bool IsSensitivityType(CocomoSensitivityType type) {
    int number = static_cast<int>(type);
    return number >= static_cast<int>(CocomoSensitivityType::Sloc) &&
           number <= static_cast<int>(CocomoSensitivityType::AdjustedEffort);
}

}  // namespace

cCocomoDoc::cCocomoDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Cocomo) {
    ResetToDefaults();
    SetReportExtent(1000, 400);
}

void cCocomoDoc::ResetToDefaults() {
    cModelDoc::ResetToDefaults();
    sourceLines_ = 0;
    costDrivers_ = std::make_shared<std::vector<cCostDriverAttribute>>();
    developmentMode_ = DevelopmentMode::Semidetached;
    modelType_ = ModelType::Intermediate;
    modeConstants_ = BuiltInModeConstants();
    slocEditable_ = true;
    slocSensitivity_ = 0;
    nominalSensitivity_ = 0;
    adjustedSensitivity_ = 0;
    sensitivityType_ = CocomoSensitivityType::Sloc;
    uncertainty_ = {};
    cost_ = DefaultCostRate(DefaultsProfile());

    struct DefaultTables {
        std::shared_ptr<std::vector<cCostDriverAttribute>> costDrivers;
        std::array<ModeConstants, kDevelopmentModeCount> modeConstants{};
        std::shared_ptr<std::vector<cPhaseDistribution>> phaseDistribution;
    };
    static cProfileMemo<DefaultTables> defaults;
    cProfileFileScope scope(DefaultsProfile());
    const DefaultTables& tables = defaults.Get(DefaultsProfile(), [this] {
        LoadCostDrivers(DefaultsProfile());
        LoadModeConstants(DefaultsProfile());
        LoadPhaseDistribution();
        return DefaultTables{costDrivers_, modeConstants_, phaseDistribution_};
    });
    costDrivers_ = tables.costDrivers;
    modeConstants_ = tables.modeConstants;
    phaseDistribution_ = tables.phaseDistribution;
}

// --- Inputs ----------------------------------------------------------------------

double cCocomoDoc::EffectiveSourceLines() const {
    if (!(sourceLines_ > 0)) return 0;
    return FiniteFigure(sourceLines_);
}

RangedFigure cCocomoDoc::GetSourceLinesRange() const {
    double size = EffectiveSourceLines();
    double spread = size * slocSensitivity_ * kPercent;
    return {size, size - spread, FiniteFigure(size + spread)};
}

void cCocomoDoc::SetSlocSensitivity(double percent) {
    slocSensitivity_ = IsPercentage(percent) ? percent : 0;
}

void cCocomoDoc::SetSensitivityType(CocomoSensitivityType type) {
    sensitivityType_ = IsSensitivityType(type) ? type : CocomoSensitivityType::Sloc;
}

void cCocomoDoc::SetCocomoSensitivity(double slocPercent, double nominalPercent,
                                      double adjustedPercent, CocomoSensitivityType type) {
    SetSlocSensitivity(slocPercent);
    nominalSensitivity_ = IsPercentage(nominalPercent) ? nominalPercent : 0;
    adjustedSensitivity_ = IsPercentage(adjustedPercent) ? adjustedPercent : 0;
    SetSensitivityType(type);
}

bool cCocomoDoc::SetCostDriverMultiplier(std::size_t index, double multiplier) {
    return index < costDrivers_->size() &&
           EditCostDrivers()[index].SetCurrentMultiplier(multiplier);
}

ModeConstants cCocomoDoc::GetModeConstants(DevelopmentMode mode) const {
    if (!IsKnownMode(mode)) return {};
    return modeConstants_[static_cast<std::size_t>(ModeIndex(mode))];
}

// --- Effort and schedule -----------------------------------------------------------

double cCocomoDoc::NominalEffortOf(double sourceLines) const {
    return NominalEffortFor(GetModeConstants(developmentMode_), sourceLines);
}

double cCocomoDoc::ScheduleOf(double adjustedEffort) const {
    return ScheduleFor(GetModeConstants(developmentMode_), adjustedEffort);
}

RangedFigure cCocomoDoc::GetNominalEffortRange() const {
    if (!IsModeValid()) return {};
    double size = EffectiveSourceLines();
    RangedFigure effort = RangedFigure::Exact(NominalEffortOf(size));
    if (sensitivityType_ == CocomoSensitivityType::Sloc) {
        double spread = size * (slocSensitivity_ * kPercent);
        effort.low = NominalEffortOf(size - spread);
        effort.high = NominalEffortOf(FiniteFigure(size + spread));
    } else if (sensitivityType_ == CocomoSensitivityType::NominalEffort) {
        double p = nominalSensitivity_ * kPercent;
        effort.low = effort.value - effort.value * p;
        effort.high = FiniteFigure((p + 1) * effort.value);
    }
    if (effort.low < 0) effort.low = 0;
    return effort;
}

double cCocomoDoc::GetEffortAdjustmentFactor() const {
    return cCostDriverAttribute::EffortAdjustmentFactor(*costDrivers_);
}

RangedFigure cCocomoDoc::GetAdjustedEffortRange() const {
    if (costDrivers_->empty()) return {};
    RangedFigure nominal = GetNominalEffortRange();
    double factor = GetEffortAdjustmentFactor();
    RangedFigure adjusted = RangedFigure::Exact(FiniteFigure(factor * nominal.value));
    if (sensitivityType_ == CocomoSensitivityType::AdjustedEffort) {
        double p = adjustedSensitivity_ * kPercent;
        if (p >= 0) {
            adjusted.low = adjusted.value - adjusted.value * p;
            adjusted.high = FiniteFigure((p + 1) * adjusted.value);
        }
    } else if (sensitivityType_ == CocomoSensitivityType::Sloc ||
               sensitivityType_ == CocomoSensitivityType::NominalEffort) {
        if (nominal.low >= 0) adjusted.low = FiniteFigure(factor * nominal.low);
        if (nominal.high >= 0) adjusted.high = FiniteFigure(factor * nominal.high);
    }
    if (adjusted.low < 0) adjusted.low = 0;
    return adjusted;
}

RangedFigure cCocomoDoc::GetTimeToDevelopRange() const {
    if (!IsModeValid()) return {};
    RangedFigure adjusted = GetAdjustedEffortRange();
    return {ScheduleOf(adjusted.value), ScheduleOf(adjusted.low), ScheduleOf(adjusted.high)};
}

// --- Phase distribution -------------------------------------------------------------

std::optional<RangedFigure> cCocomoDoc::GetInterpolationBounds() const {
    double ksloc = Ksloc();
    for (int sizeClass = kSizeS; sizeClass < kSizeVL; ++sizeClass) {
        if (ksloc >= SizeClassKsloc(sizeClass) && ksloc < SizeClassKsloc(sizeClass + 1))
            return RangedFigure{ksloc, SizeClassKsloc(sizeClass), SizeClassKsloc(sizeClass + 1)};
    }
    return std::nullopt;
}

double cCocomoDoc::FractionFor(const cPhaseDistribution& row) const {
    return PhaseFractionAt(row, developmentMode_, Ksloc());
}

const cPhaseDistribution* cCocomoDoc::PhaseRow(int offset) const {
    if (!IsModeValid()) return nullptr;
    std::size_t index =
        static_cast<std::size_t>(kPhaseRowsPerMode * ModeIndex(developmentMode_) + offset);
    return index < phaseDistribution_->size() ? &(*phaseDistribution_)[index] : nullptr;
}

std::vector<cCostDriverAttribute>& cCocomoDoc::EditCostDrivers() {
    if (costDrivers_.use_count() > 1)
        costDrivers_ = std::make_shared<std::vector<cCostDriverAttribute>>(*costDrivers_);
    return *costDrivers_;
}

std::vector<cPhaseDistribution>& cCocomoDoc::EditPhaseDistribution() {
    if (phaseDistribution_.use_count() > 1)
        phaseDistribution_ = std::make_shared<std::vector<cPhaseDistribution>>(*phaseDistribution_);
    return *phaseDistribution_;
}

namespace {

// The part of a figure that falls to one phase.
RangedFigure ShareOf(double fraction, const RangedFigure& figure) {
    return {FiniteFigure(fraction * figure.value), FiniteFigure(fraction * figure.low),
            FiniteFigure(fraction * figure.high)};
}

RangedFigure SumOf(const RangedFigure& a, const RangedFigure& b) {
    return {FiniteFigure(a.value + b.value), FiniteFigure(a.low + b.low),
            FiniteFigure(a.high + b.high)};
}

RangedFigure StaffFor(const RangedFigure& effort, const RangedFigure& schedule) {
    return {StaffQuotient(effort.value, schedule.value), StaffQuotient(effort.low, schedule.low),
            StaffQuotient(effort.high, schedule.high)};
}

}  // namespace

PhaseFigures cCocomoDoc::GetPhaseFigures(Phase phase) const {
    PhaseFigures figures;
    if (phase != Phase::ProductDesign && phase != Phase::IntegrationAndTest) return figures;
    bool design = phase == Phase::ProductDesign;
    const cPhaseDistribution* effortRow =
        PhaseRow(design ? kProductDesignEffortRow : kIntegrationEffortRow);
    const cPhaseDistribution* scheduleRow =
        PhaseRow(design ? kProductDesignScheduleRow : kIntegrationScheduleRow);
    if (!effortRow || !scheduleRow || Ksloc() <= 0) return figures;

    figures.effort = ShareOf(FractionFor(*effortRow), GetAdjustedEffortRange());
    figures.schedule = ShareOf(FractionFor(*scheduleRow), GetTimeToDevelopRange());
    figures.staff = StaffFor(figures.effort, figures.schedule);
    return figures;
}

PhaseFigures cCocomoDoc::GetProgrammingPhaseFigures() const {
    PhaseFigures figures;
    const cPhaseDistribution* designRow = PhaseRow(kDetailedDesignEffortRow);
    const cPhaseDistribution* codeRow = PhaseRow(kCodeAndUnitTestEffortRow);
    const cPhaseDistribution* scheduleRow = PhaseRow(kProgrammingScheduleRow);
    if (!designRow || !codeRow || !scheduleRow || Ksloc() <= 0) return figures;

    RangedFigure effort = GetAdjustedEffortRange();
    figures.detailedDesign = ShareOf(FractionFor(*designRow), effort);
    figures.codeAndUnitTest = ShareOf(FractionFor(*codeRow), effort);
    figures.schedule = ShareOf(FractionFor(*scheduleRow), GetTimeToDevelopRange());
    figures.staff =
        StaffFor(SumOf(figures.detailedDesign, figures.codeAndUnitTest), figures.schedule);
    return figures;
}

RangedFigure cCocomoDoc::GetProgrammingEffortRange() const {
    PhaseFigures programming = GetProgrammingPhaseFigures();
    return SumOf(programming.detailedDesign, programming.codeAndUnitTest);
}

StaffingProfile cCocomoDoc::GetStaffingProfile() const {
    PhaseFigures design = GetPhaseFigures(Phase::ProductDesign);
    PhaseFigures programming = GetProgrammingPhaseFigures();
    PhaseFigures integration = GetPhaseFigures(Phase::IntegrationAndTest);
    double programmingEffort =
        FiniteFigure(programming.detailedDesign.value + programming.codeAndUnitTest.value);
    StaffingProfile profile;
    double start = 0;
    auto add = [&](const char* name, const PhaseFigures& phase, double effort) {
        double end = FiniteFigure(start + phase.schedule.value);
        profile.steps.push_back({name, start, end, phase.staff.value, effort});
        start = end;
    };
    add("Product Design", design, design.effort.value);
    add("Programming", programming, programmingEffort);
    add("Integration and Test", integration, integration.effort.value);
    return profile;
}

}  // namespace korval
