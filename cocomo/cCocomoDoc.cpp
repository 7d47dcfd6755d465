#include "cocomo/cCocomoDoc.h"

#include <cmath>

#include "cocomo/FiniteFigure.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileMemo.h"

namespace korval {

namespace {

constexpr double kKslocPerSloc = 0.001;
constexpr double kPercent = 0.01;

bool IsPercentage(double percent) {
    return percent >= 0 && percent <= 100;
}
bool IsSensitivityType(int type) {
    return type >= kSensitivitySloc && type <= kSensitivityAdjPm;
}

}  // namespace

cCocomoDoc::cCocomoDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Cocomo) {
    ResetToDefaults();
    SetReportExtent(1000, 400);
}

void cCocomoDoc::ResetToDefaults() {
    cModelDoc::ResetToDefaults();
    sourceLines_ = 0;
    costDrivers_.clear();
    phaseDistribution_.clear();
    developmentMode_ = kSemidetached;
    modelType_ = kIntermediateModel;
    modeConstants_ = BuiltInModeConstants();
    slocEditable_ = 1;
    slocSensitivity_ = 0;
    nominalSensitivity_ = 0;
    adjustedSensitivity_ = 0;
    sensitivityType_ = kSensitivitySloc;

    struct DefaultTables {
        std::vector<cCostDriverAttribute> costDrivers;
        std::array<ModeConstants, kDevelopmentModeCount> modeConstants{};
        std::vector<cPhaseDistribution> phaseDistribution;
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

double cCocomoDoc::GetSourceLinesRange(double& low, double& high) const {
    double size = EffectiveSourceLines();
    double spread = size * slocSensitivity_ * kPercent;
    low = size - spread;
    high = FiniteFigure(size + spread);
    return size;
}

void cCocomoDoc::SetSlocSensitivity(double percent) {
    slocSensitivity_ = IsPercentage(percent) ? percent : 0;
}

void cCocomoDoc::SetSensitivityType(int type) {
    sensitivityType_ = IsSensitivityType(type) ? type : kSensitivitySloc;
}

void cCocomoDoc::SetCocomoSensitivity(double slocPercent, double nominalPercent,
                                      double adjustedPercent, int type) {
    SetSlocSensitivity(slocPercent);
    nominalSensitivity_ = IsPercentage(nominalPercent) ? nominalPercent : 0;
    adjustedSensitivity_ = IsPercentage(adjustedPercent) ? adjustedPercent : 0;
    SetSensitivityType(type);
}

bool cCocomoDoc::SetCostDriverMultiplier(std::size_t index, double multiplier) {
    return index < costDrivers_.size() && costDrivers_[index].SetCurrentMultiplier(multiplier);
}

ModeConstants cCocomoDoc::GetModeConstants(int mode) const {
    if (mode < 0 || mode >= kDevelopmentModeCount) return {};
    return modeConstants_[static_cast<std::size_t>(mode)];
}

// --- Effort and schedule -----------------------------------------------------------

double cCocomoDoc::NominalEffortOf(double sourceLines) const {
    ModeConstants c = GetModeConstants(developmentMode_);
    return FiniteFigure(c.a * std::pow(sourceLines * kKslocPerSloc, c.b));
}

double cCocomoDoc::ScheduleOf(double adjustedEffort) const {
    ModeConstants c = GetModeConstants(developmentMode_);
    return FiniteFigure(c.tm * std::pow(adjustedEffort, c.te));
}

double cCocomoDoc::GetNominalEffort(double& low, double& high) const {
    low = high = 0;
    if (!IsModeValid()) return 0;
    double size = EffectiveSourceLines();
    double effort = NominalEffortOf(size);
    low = high = effort;
    if (sensitivityType_ == kSensitivitySloc) {
        double spread = size * (slocSensitivity_ * kPercent);
        low = NominalEffortOf(size - spread);
        high = NominalEffortOf(FiniteFigure(size + spread));
    } else if (sensitivityType_ == kSensitivityNomPm) {
        double p = nominalSensitivity_ * kPercent;
        low = effort - effort * p;
        high = FiniteFigure((p + 1) * effort);
    }
    if (low < 0) low = 0;
    return effort;
}

double cCocomoDoc::GetEffortAdjustmentFactor() const {
    if (costDrivers_.empty()) return 0;
    double factor = 1;
    for (const cCostDriverAttribute& attribute : costDrivers_) {
        factor = FiniteFigure(factor * attribute.GetCurrentMultiplier());
    }
    return factor;
}

double cCocomoDoc::GetAdjustedEffort(double& low, double& high) const {
    low = high = 0;
    if (costDrivers_.empty()) return 0;
    double nominalLow = 0;
    double nominalHigh = 0;
    double nominal = GetNominalEffort(nominalLow, nominalHigh);
    double factor = GetEffortAdjustmentFactor();
    double adjusted = FiniteFigure(factor * nominal);
    low = high = adjusted;
    if (sensitivityType_ == kSensitivityAdjPm) {
        double p = adjustedSensitivity_ * kPercent;
        if (p >= 0) {
            low = adjusted - adjusted * p;
            high = FiniteFigure((p + 1) * adjusted);
        }
    } else if (sensitivityType_ == kSensitivitySloc || sensitivityType_ == kSensitivityNomPm) {
        if (nominalLow >= 0) low = FiniteFigure(factor * nominalLow);
        if (nominalHigh >= 0) high = FiniteFigure(factor * nominalHigh);
    }
    if (low < 0) low = 0;
    return adjusted;
}

double cCocomoDoc::GetTimeToDevelop(double& low, double& high) const {
    double adjustedLow = 0;
    double adjustedHigh = 0;
    double adjusted = GetAdjustedEffort(adjustedLow, adjustedHigh);
    low = high = 0;
    if (!IsModeValid()) return 0;
    low = ScheduleOf(adjustedLow);
    high = ScheduleOf(adjustedHigh);
    return ScheduleOf(adjusted);
}

// --- Phase distribution -------------------------------------------------------------

void cCocomoDoc::GetInterpolationBounds(double& lower, double& upper) const {
    double ksloc = Ksloc();
    for (int sizeClass = kSizeS; sizeClass < kSizeVL; ++sizeClass) {
        if (ksloc >= SizeClassKsloc(sizeClass) && ksloc < SizeClassKsloc(sizeClass + 1)) {
            lower = SizeClassKsloc(sizeClass);
            upper = SizeClassKsloc(sizeClass + 1);
            return;
        }
    }
}

double cCocomoDoc::FractionFor(const cPhaseDistribution& row) const {
    double ksloc = Ksloc();
    if (ksloc <= SizeClassKsloc(kSizeS)) return row.GetFraction(kSizeS);
    // Organic products of 128 KSLOC and more use L: the organic VL column is never read.
    if (developmentMode_ == kOrganic && ksloc >= SizeClassKsloc(kSizeL))
        return row.GetFraction(kSizeL);
    if (developmentMode_ != kOrganic && ksloc >= SizeClassKsloc(kSizeVL))
        return row.GetFraction(kSizeVL);
    for (int lower = kSizeS; lower < kSizeVL; ++lower) {
        double from = SizeClassKsloc(lower);
        double to = SizeClassKsloc(lower + 1);
        if (ksloc >= from && ksloc < to) {
            double g = (ksloc - from) / (to - from);
            return row.GetFraction(lower) +
                   (row.GetFraction(lower + 1) - row.GetFraction(lower)) * g;
        }
    }
    return row.GetFraction(kSizeS);
}

const cPhaseDistribution* cCocomoDoc::PhaseRow(int offset) const {
    if (!IsModeValid()) return nullptr;
    std::size_t index = static_cast<std::size_t>(kPhaseRowsPerMode * developmentMode_ + offset);
    return index < phaseDistribution_.size() ? &phaseDistribution_[index] : nullptr;
}

namespace {

void SetRange(PhaseFigures& figures, int index, double fraction, double value, double low,
              double high) {
    figures[index] = FiniteFigure(fraction * value);
    figures[index + 1] = FiniteFigure(fraction * low);
    figures[index + 2] = FiniteFigure(fraction * high);
}

void SetStaff(PhaseFigures& figures, double effort, double effortLow, double effortHigh) {
    figures[PhaseFigures::kStaff] = StaffQuotient(effort, figures[PhaseFigures::kSchedule]);
    figures[PhaseFigures::kStaffLow] =
        StaffQuotient(effortLow, figures[PhaseFigures::kScheduleLow]);
    figures[PhaseFigures::kStaffHigh] =
        StaffQuotient(effortHigh, figures[PhaseFigures::kScheduleHigh]);
}

}  // namespace

PhaseFigures cCocomoDoc::GetPhaseFigures(int phase) const {
    PhaseFigures figures;
    if (phase != kProductDesignPhase && phase != kIntegrationAndTestPhase) return figures;
    const cPhaseDistribution* effortRow =
        PhaseRow(phase == kProductDesignPhase ? kProductDesignEffortRow : kIntegrationEffortRow);
    const cPhaseDistribution* scheduleRow = PhaseRow(
        phase == kProductDesignPhase ? kProductDesignScheduleRow : kIntegrationScheduleRow);
    if (!effortRow || !scheduleRow || Ksloc() <= 0) return figures;

    double scheduleLow = 0, scheduleHigh = 0, effortLow = 0, effortHigh = 0;
    double schedule = GetTimeToDevelop(scheduleLow, scheduleHigh);
    double effort = GetAdjustedEffort(effortLow, effortHigh);
    SetRange(figures, PhaseFigures::kEffort, FractionFor(*effortRow), effort, effortLow,
             effortHigh);
    SetRange(figures, PhaseFigures::kSchedule, FractionFor(*scheduleRow), schedule, scheduleLow,
             scheduleHigh);
    SetStaff(figures, figures[PhaseFigures::kEffort], figures[PhaseFigures::kEffortLow],
             figures[PhaseFigures::kEffortHigh]);
    return figures;
}

PhaseFigures cCocomoDoc::GetProgrammingPhaseFigures() const {
    PhaseFigures figures;
    const cPhaseDistribution* designRow = PhaseRow(kDetailedDesignEffortRow);
    const cPhaseDistribution* codeRow = PhaseRow(kCodeAndUnitTestEffortRow);
    const cPhaseDistribution* scheduleRow = PhaseRow(kProgrammingScheduleRow);
    if (!designRow || !codeRow || !scheduleRow || Ksloc() <= 0) return figures;

    double scheduleLow = 0, scheduleHigh = 0, effortLow = 0, effortHigh = 0;
    double schedule = GetTimeToDevelop(scheduleLow, scheduleHigh);
    double effort = GetAdjustedEffort(effortLow, effortHigh);
    SetRange(figures, PhaseFigures::kDetailedDesign, FractionFor(*designRow), effort, effortLow,
             effortHigh);
    SetRange(figures, PhaseFigures::kCodeAndUnitTest, FractionFor(*codeRow), effort, effortLow,
             effortHigh);
    SetRange(figures, PhaseFigures::kSchedule, FractionFor(*scheduleRow), schedule, scheduleLow,
             scheduleHigh);
    SetStaff(figures,
             FiniteFigure(figures[PhaseFigures::kDetailedDesign] +
                          figures[PhaseFigures::kCodeAndUnitTest]),
             FiniteFigure(figures[PhaseFigures::kDetailedDesignLow] +
                          figures[PhaseFigures::kCodeAndUnitTestLow]),
             FiniteFigure(figures[PhaseFigures::kDetailedDesignHigh] +
                          figures[PhaseFigures::kCodeAndUnitTestHigh]));
    return figures;
}

}  // namespace korval
