#include "rayleigh/cRayleighDoc.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <optional>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileMemo.h"
#include "rayleigh/ApplicationTypeProfile.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighAttributesDlg.h"
#include "rayleigh/cRayleighReverseDlg.h"
#include "rayleigh/cRayleighSensitivityDlg.h"

namespace korval {

namespace {

constexpr const char* kModelSection = "Rayleigh_Model";
constexpr const char* kSensitivitySection = "Rayleigh_Sensitivity_Analysis";
constexpr std::size_t kModelValueBuffer = 20;
constexpr std::size_t kSensitivityValueBuffer = 15;
// Stands for a stored value that is not a number: every range check refuses it.
constexpr int kNotAnInteger = INT_MIN;
constexpr int kIndexStepsFromDeviation = -1;

bool IsPercentage(double value) {
    return value >= 0.0 && value <= 100.0;
}

// A stored number the attributes dialog would refuse counts as no number at all.
template <typename Number>
std::optional<Number> Within(std::optional<Number> value, Number low, Number high) {
    if (value && *value >= low && *value <= high) return value;
    return std::nullopt;
}

// value - d and value + d with d the percentage of the value; the low end stops at 0.
void PercentRange(double value, double percent, double& low, double& high) {
    double delta = value * percent * 0.01;
    low = std::max(FiniteFigure(value - delta), 0.0);
    high = FiniteFigure(value + delta);
}

std::string RangeText(double low, double high) {
    return FormatNumber("(%-3.1lf - %3.1lf)", FiniteFigure(low), FiniteFigure(high));
}

}  // namespace

cRayleighDoc::cRayleighDoc(cAppContext& context) : cModelDoc(context, DocumentKind::Rayleigh) {
    ResetToDefaults();
}

const cApplicationType* cRayleighDoc::SelectedApplicationType() const {
    return applicationTypes_.At(selectedApplication_);
}

void cRayleighDoc::SetSourceLinesRange(double low, double high) {
    slocLow_ = low;
    slocHigh_ = high;
}

void cRayleighDoc::SetScheduleRange(double low, double high) {
    scheduleLow_ = low;
    scheduleHigh_ = high;
}

void cRayleighDoc::SetSensitivityType(int type) {
    sensitivityType_ = IsRayleighSensitivityType(type) ? type : kRayleighSlocSensitivity;
}

void cRayleighDoc::SetSelectedApplication(int index) {
    if (applicationTypes_.At(index)) selectedApplication_ = index;
}

void cRayleighDoc::SetRayleighSensitivity(double slocPercent, double schedulePercent, int piSteps,
                                          int pmPercent, int type) {
    slocSensitivityPercent_ = IsPercentage(slocPercent) ? slocPercent : 0.0;
    scheduleSensitivityPercent_ = IsPercentage(schedulePercent) ? schedulePercent : 0.0;
    piSensitivity_ = (piSteps >= 0 && piSteps <= kMaxIndexSteps) ? piSteps : 0;
    pmSensitivityPercent_ = (pmPercent >= 0 && pmPercent <= 100) ? pmPercent : 0;
    SetSensitivityType(type);
}

// --- Outputs ---------------------------------------------------------------------------

double cRayleighDoc::MainBuildPhaseTime(double& low, double& high) const {
    double nominal = FiniteFigure(schedule_ * buildPhasePercentage_ * 0.01);
    if (sensitivityType_ == kRayleighScheduleSensitivity) {
        PercentRange(nominal, scheduleSensitivityPercent_, low, high);
    } else if (sensitivityType_ == kRayleighProjectRangesSensitivity) {
        low = FiniteFigure(buildPhasePercentage_ * scheduleLow_ * 0.01);
        high = FiniteFigure(buildPhasePercentage_ * scheduleHigh_ * 0.01);
    } else {
        low = high = nominal;
    }
    return nominal;
}

double cRayleighDoc::ManpowerBuildupIndex(double& low, double& high) const {
    const cApplicationType* type = SelectedApplicationType();
    if (!type) {
        low = high = 0.0;
        return 0.0;
    }
    double buildLow = 0.0;
    double buildHigh = 0.0;
    double build = MainBuildPhaseTime(buildLow, buildHigh);
    const cProductivity& productivity = type->Productivity();
    double pm = productivity.Measure();
    double nominal = ComputeMbi(build, sourceLines_, pm);

    double slocLow = sourceLines_;
    double slocHigh = sourceLines_;
    if (sensitivityType_ == kRayleighSlocSensitivity) {
        PercentRange(sourceLines_, slocSensitivityPercent_, slocLow, slocHigh);
    } else if (sensitivityType_ == kRayleighProjectRangesSensitivity) {
        slocLow = slocLow_;
        slocHigh = slocHigh_;
    }

    double pmLow = pm;
    double pmHigh = pm;
    if (sensitivityType_ == kRayleighIndexSensitivity) {
        cProductivity lower;
        lower.FromIndex(std::max(productivity.Index() - piSensitivity_, 0.0));
        cProductivity upper;
        upper.FromIndex(productivity.Index() + piSensitivity_);
        pmLow = lower.Measure();
        pmHigh = upper.Measure();
    } else if (sensitivityType_ == kRayleighMeasureSensitivity) {
        double delta = pmSensitivityPercent_ * pm * 0.01;
        pmLow = pm - delta;
        pmHigh = pm + delta;
    }

    // A longer build, a smaller size and a higher productivity give the lower buildup.
    low = ComputeMbi(buildHigh, slocLow, pmHigh);
    high = ComputeMbi(buildLow, slocHigh, pmLow);
    return nominal;
}

// --- Application type table ------------------------------------------------------------

std::string cRayleighDoc::ProfilePath(const std::string& path) const {
    return path.empty() ? DefaultsProfile() : path;
}

int cRayleighDoc::LoadApplicationTypes(const std::string& path) {
    return korval::LoadApplicationTypes(applicationTypes_, ProfilePath(path), Platform());
}

bool cRayleighDoc::SaveApplicationTypes(const std::string& path) const {
    return korval::SaveApplicationTypes(applicationTypes_, ProfilePath(path));
}

void cRayleighDoc::ReadSelectedApplication(const std::string& path) {
    std::optional<int> index = ReadSelectedApplicationIndex(ProfilePath(path));
    if (index) SetSelectedApplication(*index);
}

// --- Reset, load and save ------------------------------------------------------------------

void cRayleighDoc::ResetToDefaults() {
    cProfileFileScope scope(DefaultsProfile());
    cModelDoc::ResetToDefaults();
    struct DefaultTables {
        cApplicationTypeList applicationTypes;
        int selectedApplication = 0;
    };
    static cProfileMemo<DefaultTables> defaults;
    const DefaultTables& tables = defaults.Get(DefaultsProfile(), [this] {
        LoadApplicationTypes("");
        selectedApplication_ = 0;
        ReadSelectedApplication("");
        return DefaultTables{applicationTypes_, selectedApplication_};
    });
    applicationTypes_ = tables.applicationTypes;
    selectedApplication_ = tables.selectedApplication;
    sourceLines_ = 0.0;
    schedule_ = 0.0;
    buildPhasePercentage_ = kDefaultBuildPhasePercentage;
    sourceLinesEditable_ = true;
    scheduleEditable_ = true;
    slocSensitivityPercent_ = slocLow_ = slocHigh_ = 0.0;
    scheduleSensitivityPercent_ = scheduleLow_ = scheduleHigh_ = 0.0;
    pmSensitivityPercent_ = 0;
    const cApplicationType* type = SelectedApplicationType();
    piSensitivity_ = type ? type->StandardDeviation() : 0;
    sensitivityType_ = kRayleighSlocSensitivity;
}

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
           SaveApplicationTypes(path) && WriteSelectedApplication(selectedApplication_, path) &&
           sensitivity("Selected_Rayleigh_Sen", RayleighSensitivityFileToken(sensitivityType_)) &&
           sensitivity("SLOC_Sen", FormatNumber("%lf", slocSensitivityPercent_)) &&
           sensitivity("Schedule_Sen", FormatNumber("%lf", scheduleSensitivityPercent_)) &&
           sensitivity("Productivity_Index_Sen", FormatNumber("%d", piSensitivity_)) &&
           sensitivity("Productivity_Measure_Sen", FormatNumber("%d", pmSensitivityPercent_));
}

void cRayleighDoc::LoadOwnSections(const std::string& path) {
    LoadModelSection(path);
    LoadApplicationTypes(path);
    ReadSelectedApplication(path);
    // A file's shorter table can leave the selection outside the list.
    if (!SelectedApplicationType()) selectedApplication_ = 0;
    LoadSensitivitySection(path);
}

void cRayleighDoc::LoadModelSection(const std::string& path) {
    auto read = [&](const char* key, const char* fallback) {
        return ReadProfileValue(kModelSection, key, fallback, kModelValueBuffer, path);
    };
    // A value that does not begin with a number, or lies outside what the attributes
    // dialog accepts, leaves the field as it was: a negative size or a percentage of
    // -20 would only give figures that mean nothing.
    sourceLines_ =
        Within(TryParseLeadingDouble(read("Source_Lines_Code", "0")), 0.0, kMaxInputValue)
            .value_or(sourceLines_);
    schedule_ = Within(TryParseLeadingDouble(read("Schedule", "0")), 0.0, kMaxInputValue)
                    .value_or(schedule_);
    buildPhasePercentage_ = Within(TryParseLeadingInt(read("Build_Phase_Percentage", "75")), 0, 100)
                                .value_or(buildPhasePercentage_);
}

void cRayleighDoc::LoadSensitivitySection(const std::string& path) {
    auto read = [&](const char* key, const char* fallback) {
        return ReadProfileValue(kSensitivitySection, key, fallback, kSensitivityValueBuffer, path);
    };
    constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
    int type = ParseRayleighSensitivityFileToken(read("Selected_Rayleigh_Sen", ""));
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

// --- Report ----------------------------------------------------------------------------

int cRayleighDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    bool ranges = GetFilter(kSensitivityAnalysisSwitch) == kFilterOn;
    if (ranges) total += DrawSensitivityRow(dc, y, flags);
    if (GetFilter(kIntermediateTotalsSwitch) == kFilterOn)
        total += DrawInputRows(dc, y, flags, ranges);
    if (GetFilter(kTotalsSwitch) == kFilterOn) total += DrawMbiRows(dc, y, flags, ranges);
    return FinishReport(dc, total);
}

int cRayleighDoc::DrawSensitivityRow(cDrawContext& dc, int& y, unsigned& flags) {
    return DrawRow(dc, y, "",
                   "Sensitivity Analysis Type: ", RayleighSensitivityTypeName(sensitivityType_), "",
                   flags, 0.5);
}

int cRayleighDoc::DrawInputRows(cDrawContext& dc, int& y, unsigned& flags, bool ranges) {
    std::string slocRange;
    std::string scheduleRange;
    std::string buildRange;
    double buildLow = 0.0;
    double buildHigh = 0.0;
    double build = MainBuildPhaseTime(buildLow, buildHigh);
    if (ranges) {
        // The input rows show the ranges as given, without the clamping at 0 of the outputs.
        if (sensitivityType_ == kRayleighSlocSensitivity) {
            double delta = sourceLines_ * slocSensitivityPercent_ * 0.01;
            slocRange = RangeText(sourceLines_ - delta, sourceLines_ + delta);
        } else if (sensitivityType_ == kRayleighProjectRangesSensitivity) {
            slocRange = RangeText(slocLow_, slocHigh_);
        }
        if (sensitivityType_ == kRayleighScheduleSensitivity) {
            double delta = schedule_ * scheduleSensitivityPercent_ * 0.01;
            scheduleRange = RangeText(schedule_ - delta, schedule_ + delta);
        } else if (sensitivityType_ == kRayleighProjectRangesSensitivity) {
            scheduleRange = RangeText(scheduleLow_, scheduleHigh_);
        }
        if (sensitivityType_ == kRayleighScheduleSensitivity ||
            sensitivityType_ == kRayleighProjectRangesSensitivity) {
            buildRange = RangeText(buildLow, buildHigh);
        }
    }
    const cApplicationType* type = SelectedApplicationType();
    int total = DrawRow(dc, y, "", "Source Lines of Code:", FormatNumber("%-3.1lf", sourceLines_),
                        slocRange, flags, 0.5);
    total += DrawRow(dc, y, "",
                     "Time to Develop (TDEV):", FormatNumber("%-3.1lf calendar months", schedule_),
                     scheduleRange, flags, 0.5);
    total += DrawRow(dc, y, "", "Main Build Phase Time", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", FormatNumber("    (%d%% of TDEV):", buildPhasePercentage_),
                     FormatNumber("%-3.1lf calendar months", build), buildRange, flags, 0.5);
    total += DrawRow(dc, y, "", "Application Type:", type ? type->Name() : std::string(), "", flags,
                     0.5);
    return total;
}

int cRayleighDoc::DrawMbiRows(cDrawContext& dc, int& y, unsigned& flags, bool ranges) {
    double low = 0.0;
    double high = 0.0;
    double mbi = ManpowerBuildupIndex(low, high);
    std::string range =
        ranges ? "(" + MbiLevelText(low) + " - " + MbiLevelText(high) + ")" : std::string();
    int total = DrawRow(dc, y, "", "Manpower Buildup Index", "", "", flags, 0.05);
    total += DrawRow(dc, y, "", "    (MBI) Level:", MbiLevelText(mbi), range, flags, 0.5);
    return total;
}

// --- Display options -------------------------------------------------------------------

void cRayleighDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    cModelDoc::FillDisplayOptions(dialog);
    dialog.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, kFilterNotApplicable);
}

void cRayleighDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    // The phase distribution box is hidden here; its switch keeps its stored value.
    FilterState phaseDistribution = GetFilter(kPhaseDistributionSwitch);
    cModelDoc::StoreDisplayOptions(dialog);
    SetFilter(kPhaseDistributionSwitch, phaseDistribution);
}

// --- Commands --------------------------------------------------------------------------

void cRayleighDoc::OnSensitivityAnalysis() {
    const cApplicationType* type = SelectedApplicationType();
    cRayleighSensitivityDlg dialog(Platform(), slocSensitivityPercent_, scheduleSensitivityPercent_,
                                   pmSensitivityPercent_, piSensitivity_,
                                   type ? type->Productivity().Index() : 0.0, sensitivityType_);
    if (!Platform().RunDialog(dialog)) return;
    // The dialog has checked every value; they are stored as they are.
    slocSensitivityPercent_ = dialog.GetSlocPercent();
    scheduleSensitivityPercent_ = dialog.GetSchedulePercent();
    pmSensitivityPercent_ = dialog.GetMeasurePercent();
    piSensitivity_ = dialog.GetIndexSteps();
    if (dialog.GetCheckedType() >= 0) sensitivityType_ = dialog.GetCheckedType();
    SetModifiedFlag();
    UpdateAllViews();
}

void cRayleighDoc::OnAttributes() {
    cRayleighAttributesDlg dialog(Platform(), *this);
    if (!Platform().RunDialog(dialog)) return;
    for (int i = 0; i < applicationTypes_.Count(); ++i) {
        if (const cApplicationType* copy = dialog.GetWorkingCopy(i))
            *applicationTypes_.At(i) = *copy;
    }
    // A read-only field shows a rounded value; the document keeps the exact one.
    if (sourceLinesEditable_) sourceLines_ = dialog.GetSourceLines();
    if (scheduleEditable_) schedule_ = dialog.GetSchedule();
    buildPhasePercentage_ = dialog.GetBuildPhasePercentage();
    SetSelectedApplication(dialog.GetSelectedApplication());
    SetModifiedFlag();
    UpdateAllViews();
}

void cRayleighDoc::OnReverseEngineering() {
    cRayleighReverseDlg dialog(Platform(), *this);
    Platform().RunDialog(dialog);
}

}  // namespace korval
