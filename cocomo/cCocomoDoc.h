#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cocomo/CocomoTables.h"
#include "cocomo/CocomoUncertainty.h"
#include "cocomo/PhaseFigures.h"
#include "cocomo/cCostDriverAttribute.h"
#include "cocomo/cPhaseDistribution.h"
#include "framework/CostRate.h"
#include "framework/CostReport.h"
#include "framework/StaffingProfile.h"
#include "framework/cModelDoc.h"
#include "framework/cProbabilitySolve.h"

namespace korval {

// The COCOMO model document (intermediate form). It holds the inputs of one estimate and
// computes every figure afresh from them on each request; nothing computed is stored.
// Every figure comes with a low and a high value from the sensitivity settings.
class cCocomoDoc : public cModelDoc {
  public:
    // The phases with an effort and a schedule of their own; the programming phase has
    // GetProgrammingPhaseFigures.
    enum class Phase { ProductDesign, IntegrationAndTest };

    explicit cCocomoDoc(cAppContext& context);
    // The same model under a new identity (see cModelDoc).
    explicit cCocomoDoc(const cCocomoDoc& other) = default;

    // --- Inputs -------------------------------------------------------------------
    DevelopmentMode GetDevelopmentMode() const { return developmentMode_; }
    void SetDevelopmentMode(DevelopmentMode mode) { developmentMode_ = mode; }
    ModelType GetModelType() const { return modelType_; }
    void SetModelType(ModelType model) { modelType_ = model; }

    double GetSourceLines() const { return sourceLines_; }
    void SetSourceLines(double sourceLines) { sourceLines_ = sourceLines; }
    // The size the figures are computed from (a negative size counts as 0), varied by the
    // SLOC sensitivity whatever the sensitivity type.
    RangedFigure GetSourceLinesRange() const;
    // Whether the Attributes dialog lets the user edit the size; a project's size is not.
    bool IsSlocEditable() const { return slocEditable_; }
    void SetSlocEditable(bool editable) { slocEditable_ = editable; }

    // Sensitivity settings; percentages outside 0..100 and types outside 0..2 become 0.
    double GetSlocSensitivity() const { return slocSensitivity_; }
    void SetSlocSensitivity(double percent);
    double GetNominalSensitivity() const { return nominalSensitivity_; }
    double GetAdjustedSensitivity() const { return adjustedSensitivity_; }
    CocomoSensitivityType GetSensitivityType() const { return sensitivityType_; }
    void SetSensitivityType(CocomoSensitivityType type);
    void SetCocomoSensitivity(double slocPercent, double nominalPercent, double adjustedPercent,
                              CocomoSensitivityType type);

    const std::vector<cCostDriverAttribute>& GetCostDrivers() const { return *costDrivers_; }
    // Chooses the rating with this multiplier for the attribute at the index; false when
    // there is no such attribute or rating.
    bool SetCostDriverMultiplier(std::size_t index, double multiplier);
    // The constants of a mode; all 0 for a mode outside 0..2.
    ModeConstants GetModeConstants(DevelopmentMode mode) const;
    const std::vector<cPhaseDistribution>& GetPhaseDistribution() const {
        return *phaseDistribution_;
    }

    // What the simulation varies; none unless the file or the Uncertainty dialog gave it.
    const CocomoUncertainty& GetUncertainty() const { return uncertainty_; }
    void SetUncertainty(const CocomoUncertainty& uncertainty) { uncertainty_ = uncertainty; }

    // --- Figures (each with its low and high value; the plain getters give the value) ---
    RangedFigure GetNominalEffortRange() const;
    double GetNominalEffort() const { return GetNominalEffortRange().value; }
    // Product of the current multipliers of all cost drivers; 0 without cost drivers.
    double GetEffortAdjustmentFactor() const;
    RangedFigure GetAdjustedEffortRange() const;
    double GetAdjustedEffort() const { return GetAdjustedEffortRange().value; }
    RangedFigure GetTimeToDevelopRange() const;
    double GetTimeToDevelop() const { return GetTimeToDevelopRange().value; }
    PhaseFigures GetPhaseFigures(Phase phase) const;
    PhaseFigures GetProgrammingPhaseFigures() const;
    // The three phases end to end from month 0 (product design, programming, integration
    // and test), each a step of its average staff; the nominal figures.
    StaffingProfile GetStaffingProfile() const;
    // The programming phase's effort: detailed design plus code and unit test.
    RangedFigure GetProgrammingEffortRange() const;
    // The size in KSLOC with the two size class sizes that enclose it as its low and high;
    // nothing for a size below 2 or from 512 KSLOC on.
    std::optional<RangedFigure> GetInterpolationBounds() const;

    // --- Cost ---------------------------------------------------------------------
    const CostRate& GetCostRate() const { return cost_; }
    void SetCostRate(const CostRate& cost) { cost_ = cost; }
    // The efforts the rate prices, in report order, each with its range where the report
    // shows the effort's range.
    std::vector<CostRow> CostRows(bool sensitivity) const;

    // --- Tables -------------------------------------------------------------------
    void LoadCostDrivers(const std::string& file);
    void LoadFileCostDrivers(const std::string& path);
    double ReadMultiplier(std::string_view section, std::string_view keyPrefix, int index,
                          const std::string& file);
    bool AddCostDriver(std::string_view group, std::string_view name, double veryLow, double low,
                       double nominal, double high, double veryHigh, double extraHigh);
    void LoadModeConstants(const std::string& file);
    void LoadPhaseDistribution();
    double ReadPhaseFraction(std::string_view section, std::string_view keyPrefix, int index,
                             double builtInDefault);
    bool AddPhaseRow(std::string_view name, double s, double i, double m, double l, double vl);

    // --- Commands (each opens its dialog; OK stores, marks modified, redraws) -----------
    void OnAttributes();
    void OnCostDrivers();
    void OnSensitivityAnalysis();
    // The what-if calculator; it never changes the document.
    void OnReverseEngineering();
    // The calculator solving for probability over the simulation given: a project hands
    // its own, so the figures are those of the project's report.
    void OnReverseEngineeringWith(cProbabilitySolve::Fetch simulation);
    bool OnCost();

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;
    // A size outside the range the 1981 calibration covered (about 2 to 1,000 KSLOC), and
    // a Basic or Advanced model type, which is computed as Intermediate.
    std::vector<EstimateWarning> Warnings() const override;
    // The staffing block without its heading: the phases end to end with their staff; a
    // project shows it too.
    int DrawStaffingRows(cDrawContext& dc, int& y, unsigned flags);

  protected:
    bool SaveOwnSections(const std::string& path) override;
    bool LoadOwnSections(const std::string& path) override;

  private:
    // The size the equations use: a negative size (only a file can give one) counts as 0.
    double EffectiveSourceLines() const;
    double Ksloc() const { return EffectiveSourceLines() * 0.001; }
    bool IsModeValid() const { return IsKnownMode(developmentMode_); }
    double NominalEffortOf(double sourceLines) const;
    double ScheduleOf(double adjustedEffort) const;
    // The row's share for the current size, interpolated between size classes.
    double FractionFor(const cPhaseDistribution& row) const;
    const cPhaseDistribution* PhaseRow(int offset) const;

    [[nodiscard]] bool SaveModelSection(const std::string& path);
    [[nodiscard]] bool SaveModeConstants(const std::string& path);
    [[nodiscard]] bool SaveCostDrivers(const std::string& path);
    [[nodiscard]] bool SaveSensitivity(const std::string& path);
    [[nodiscard]] bool SavePhaseDistribution(const std::string& path);
    void LoadModelSection(const std::string& path);
    void LoadCostDriverRatings(const std::string& path);
    void LoadSensitivity(const std::string& path);
    void LoadPhaseFractions(const std::string& path);
    void ReadPhaseFractions(const std::string& path);
    CocomoUncertainty LoadFileUncertainty(const std::string& path);

    int DrawTotals(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity);
    int DrawPhaseDistribution(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity);
    int DrawCost(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity);
    bool ShowsNominalRange(bool sensitivity) const;
    int DrawFigureRow(cDrawContext& dc, int& y, unsigned& flags, std::string_view label,
                      const char* format, const RangedFigure& figure, bool showRange);

    DevelopmentMode developmentMode_ = DevelopmentMode::Semidetached;
    ModelType modelType_ = ModelType::Intermediate;
    double sourceLines_ = 0;
    // Shared by every document read from the same table (new documents share the
    // defaults'), changed through EditCostDrivers, which copies it first when it is shared.
    std::shared_ptr<std::vector<cCostDriverAttribute>> costDrivers_ =
        std::make_shared<std::vector<cCostDriverAttribute>>();
    std::vector<cCostDriverAttribute>& EditCostDrivers();
    std::array<ModeConstants, kDevelopmentModeCount> modeConstants_{};
    bool slocEditable_ = true;
    double slocSensitivity_ = 0;
    double nominalSensitivity_ = 0;
    double adjustedSensitivity_ = 0;
    CocomoSensitivityType sensitivityType_ = CocomoSensitivityType::Sloc;
    // Shared with the defaults profile's table and every other document that has not
    // changed it (a system's members each read the same fractions): written only through
    // EditPhaseDistribution, which copies it first when it is shared.
    std::shared_ptr<std::vector<cPhaseDistribution>> phaseDistribution_ =
        std::make_shared<std::vector<cPhaseDistribution>>();
    std::vector<cPhaseDistribution>& EditPhaseDistribution();
    CocomoUncertainty uncertainty_;
    CostRate cost_;
};

}  // namespace korval
