#pragma once

#include <optional>
#include <string>

#include "framework/CostRate.h"
#include "framework/CostReport.h"
#include "framework/EstimateWarning.h"
#include "framework/RangedFigure.h"
#include "framework/StaffingTable.h"
#include "framework/cModelDoc.h"
#include "framework/cProbabilitySolve.h"
#include "rayleigh/PutnamPlan.h"
#include "rayleigh/RayleighSensitivityType.h"
#include "rayleigh/RayleighUncertainty.h"
#include "rayleigh/cApplicationTypeList.h"

namespace korval {

// The Rayleigh staffing model: size, time to develop, the main build share of it and an
// application type's productivity give the main build phase time and the manpower
// buildup index (MBI), each with a low and a high value for the chosen sensitivity type.
// Nothing computed is stored; every caller recomputes from the inputs.
class cRayleighDoc : public cModelDoc {
  public:
    static constexpr int kDefaultBuildPhasePercentage = 75;
    static constexpr int kMaxIndexSteps = 10;
    // The largest size or time to develop a user can enter.
    static constexpr double kMaxInputValue = 999999999.0;

    explicit cRayleighDoc(cAppContext& context);
    // The same model under a new identity (see cModelDoc).
    explicit cRayleighDoc(const cRayleighDoc& other) = default;

    // --- Inputs ----------------------------------------------------------------------
    double GetSourceLines() const { return sourceLines_; }
    double GetSchedule() const { return schedule_; }
    int GetBuildPhasePercentage() const { return buildPhasePercentage_; }
    const cApplicationTypeList& GetApplicationTypes() const { return *applicationTypes_; }
    int GetSelectedApplication() const { return selectedApplication_; }
    // The selected entry; nullptr only while the list is empty.
    const cApplicationType* SelectedApplicationType() const;
    bool IsSourceLinesEditable() const { return sourceLinesEditable_; }
    bool IsScheduleEditable() const { return scheduleEditable_; }

    double GetSlocSensitivityPercent() const { return slocSensitivityPercent_; }
    double GetScheduleSensitivityPercent() const { return scheduleSensitivityPercent_; }
    int GetPiSensitivity() const { return piSensitivity_; }
    int GetPmSensitivityPercent() const { return pmSensitivityPercent_; }
    double GetSlocLow() const { return slocLow_; }
    double GetSlocHigh() const { return slocHigh_; }
    double GetScheduleLow() const { return scheduleLow_; }
    double GetScheduleHigh() const { return scheduleHigh_; }
    RayleighSensitivityType GetSensitivityType() const { return sensitivityType_; }

    // Setters a project uses: stored as given, except that a type outside 0..4 becomes 0.
    void SetSourceLines(double sloc) { sourceLines_ = sloc; }
    void SetSchedule(double months) { schedule_ = months; }
    void SetSourceLinesEditable(bool editable) { sourceLinesEditable_ = editable; }
    void SetScheduleEditable(bool editable) { scheduleEditable_ = editable; }
    void SetSourceLinesRange(double low, double high);
    void SetScheduleRange(double low, double high);
    void SetSensitivityType(RayleighSensitivityType type);
    void SetBuildPhasePercentage(int percentage) { buildPhasePercentage_ = percentage; }
    // An index outside the list is ignored.
    void SetSelectedApplication(int index);

    // The checked setter used when a file is read: a percentage outside 0..100 (or not a
    // number), PI steps outside 0..10 or a type outside 0..4 store 0.
    void SetRayleighSensitivity(double slocPercent, double schedulePercent, int piSteps,
                                int pmPercent, RayleighSensitivityType type);

    // The buildup Putnam's own estimate plans for (0..6; see PutnamPlan.h). A file without
    // the key reads kDefaultBuildupLevel.
    int GetBuildupLevel() const { return buildupLevel_; }
    // The selected type's typical level (from calibration), else kDefaultBuildupLevel.
    int DefaultBuildupLevel() const;
    void SetBuildupLevel(int level) { buildupLevel_ = ClampBuildupLevel(level); }

    // What the simulation varies; none unless the file or the Uncertainty dialog gave it.
    const RayleighUncertainty& GetUncertainty() const { return uncertainty_; }
    void SetUncertainty(const RayleighUncertainty& uncertainty) { uncertainty_ = uncertainty; }

    // --- Outputs ---------------------------------------------------------------------
    // Main build phase time in months; low and high by the sensitivity type.
    RangedFigure MainBuildPhaseTimeRange() const;
    double MainBuildPhaseTime() const { return MainBuildPhaseTimeRange().value; }
    // Manpower buildup index; minus infinity when the size is 0 and the build time is not.
    RangedFigure ManpowerBuildupIndexRange() const;
    double ManpowerBuildupIndex() const { return ManpowerBuildupIndexRange().value; }

    // Putnam's own estimate at the planned buildup level, from the nominal size and
    // productivity: main build time and life-cycle effort. Nothing without either.
    PutnamEstimate OwnEstimate() const;
    // The shortest main build (months) the MBI scale admits for the nominal size and
    // productivity: the fastest buildup that still rounds to level 6.
    double MinimumMainBuildMonths() const;
    // Where the planned main build (TDEV x the build percentage) lies against the scale.
    ScheduleFit PlannedScheduleFit() const;
    // The main build time (months) the staffing figures below plan for: the planned one,
    // or Putnam's own where the planned one is shorter than the scale admits.
    double PlanBuildMonths() const;
    // What a reviewer must know before trusting these figures (a schedule outside the
    // scale); the report lists them after its rows and the JSON under "warnings".
    std::vector<EstimateWarning> Warnings() const override;
    // The rows of Putnam's own estimate and the schedule's fit; a project shows them too.
    int DrawPutnamEstimateRows(cDrawContext& dc, int& y, unsigned flags);

    // Putnam's figures from the same inputs as the MBI (see PutnamFormulas.h): the low
    // effort pairs with the low MBI (smaller size, higher productivity, longer build) and
    // every range is ordered low <= value <= high. 0 where the MBI is 0 for lack of
    // inputs (no application type, no productivity or no build time) and without size.
    // They follow the plan for the schedule (PlanForSchedule): at the planned schedule
    // while its MBI level is 0..6, Putnam's own estimate where it is shorter, no less
    // than the slowest buildup's effort where it is longer.
    // Life-cycle effort K, in person years and in person months.
    RangedFigure LifeCycleEffortYearsRange() const;
    RangedFigure LifeCycleEffortMonthsRange() const;
    double LifeCycleEffortMonths() const { return LifeCycleEffortMonthsRange().value; }
    // Effort by the end of the main build, E(y) = K (1 - e^(-1/2)).
    RangedFigure MainBuildEffortYearsRange() const;
    RangedFigure MainBuildEffortMonthsRange() const;
    double MainBuildEffortMonths() const { return MainBuildEffortMonthsRange().value; }
    // Peak staff m(y), in people, at the end of the main build.
    RangedFigure PeakStaffRange() const;
    double PeakStaff() const { return PeakStaffRange().value; }
    // The staffing curve of the nominal figures month by month from the start of the main
    // build (see MakeRayleighStaffingTable).
    StaffingTable GetStaffingTable() const;

    // --- Cost ----------------------------------------------------------------------------
    const CostRate& GetCostRate() const { return cost_; }
    void SetCostRate(const CostRate& cost) { cost_ = cost; }
    // The efforts the rate prices, in report order, each with its range where the report
    // shows ranges.
    std::vector<CostRow> CostRows(bool ranges) const;

    // --- Application type table --------------------------------------------------------
    // An empty path means the defaults profile.
    int LoadApplicationTypes(const std::string& path);
    void LoadFileApplicationTypes(const std::string& path);
    [[nodiscard]] bool SaveApplicationTypes(const std::string& path) const;
    // Takes the stored selection when it lies inside the list.
    void ReadSelectedApplication(const std::string& path);

    // --- Commands ----------------------------------------------------------------------
    void OnAttributes();
    void OnSensitivityAnalysis();
    void OnReverseEngineering();
    // The calculator solving for probability over the simulation given: a project hands
    // its own, so the figures are those of the project's report.
    void OnReverseEngineeringWith(cProbabilitySolve::Fetch simulation);
    bool OnCost();

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;
    // The staffing block without its heading: Putnam's efforts and peak staff (ranges with
    // the sensitivity switch) and the monthly staffing table; a project shows it too.
    int DrawStaffingRows(cDrawContext& dc, int& y, unsigned flags);

  protected:
    bool SaveOwnSections(const std::string& path) override;
    bool LoadOwnSections(const std::string& path) override;
    void FillDisplayOptions(cDisplayOptionsDlg& dialog) const override;
    void StoreDisplayOptions(const cDisplayOptionsDlg& dialog) override;

  private:
    // The size, productivity measure and main build time (months) the MBI and Putnam's
    // figures are computed from, each with its range; nothing without an application type.
    struct PutnamInputs {
        RangedFigure sloc;
        RangedFigure measure;
        RangedFigure buildMonths;
    };
    std::optional<PutnamInputs> GetPutnamInputs() const;
    // The selected type's productivity measure; nothing without a type.
    std::optional<double> SelectedMeasure() const;
    // figure(plan) at the nominal inputs and at both ends, each planned by PlanForSchedule.
    template <class Figure>
    RangedFigure PutnamRange(Figure figure) const;

    std::string ProfilePath(const std::string& path) const;
    void LoadModelSection(const std::string& path);
    void LoadSensitivitySection(const std::string& path);
    int DrawSensitivityRow(cDrawContext& dc, int& y, unsigned& flags);
    int DrawInputRows(cDrawContext& dc, int& y, unsigned& flags, bool ranges);
    int DrawMbiRows(cDrawContext& dc, int& y, unsigned& flags, bool ranges);
    int DrawCost(cDrawContext& dc, int& y, unsigned& flags, bool ranges);

    double sourceLines_ = 0.0;
    double schedule_ = 0.0;
    int buildPhasePercentage_ = kDefaultBuildPhasePercentage;
    int buildupLevel_ = kDefaultBuildupLevel;
    // Shared by every document read from the same table (new documents share the
    // defaults'); a change goes to a copy of its own.
    std::shared_ptr<const cApplicationTypeList> applicationTypes_ =
        std::make_shared<const cApplicationTypeList>();
    int selectedApplication_ = 0;
    bool sourceLinesEditable_ = true;
    bool scheduleEditable_ = true;
    double slocSensitivityPercent_ = 0.0;
    double slocLow_ = 0.0;
    double slocHigh_ = 0.0;
    double scheduleSensitivityPercent_ = 0.0;
    double scheduleLow_ = 0.0;
    double scheduleHigh_ = 0.0;
    int piSensitivity_ = 0;
    int pmSensitivityPercent_ = 0;
    RayleighSensitivityType sensitivityType_ = RayleighSensitivityType::Sloc;
    RayleighUncertainty uncertainty_;
    CostRate cost_;
};

}  // namespace korval
