#pragma once

#include <memory>
#include <optional>

#include "cocomo/CocomoTables.h"
#include "framework/CostRate.h"
#include "framework/UncertaintyInputs.h"
#include "framework/cModelDoc.h"
#include "project/ProjectPlan.h"
#include "rayleigh/RayleighSensitivityType.h"

namespace korval {

class cCocomoDoc;
class cFunctionPointDoc;
class cRayleighDoc;

// One project with all three models in one file. The function point size feeds COCOMO and
// Rayleigh, the COCOMO schedule feeds Rayleigh, and the ranges of one chosen model's
// sensitivity analysis (the sensitivity source) flow on to the models after it.
class cProjectDoc : public cModelDoc {
  public:
    // Numbered as the project has always numbered them.
    enum class SensitivitySource { FunctionPoint = 0, Cocomo = 1, Rayleigh = 2 };
    enum class Model { FunctionPoint, Cocomo, Rayleigh };

    explicit cProjectDoc(cAppContext& context);
    // The same project with models of its own: a system makes its members' projects from
    // one reset project instead of reading the defaults again for each.
    explicit cProjectDoc(const cProjectDoc& other);
    ~cProjectDoc() override;

    void ResetToDefaults() override;
    bool ReadFilterValues(const std::string& path) override;
    bool WriteFilterValues(const std::string& path) override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;
    // The Rayleigh model's and, where COCOMO and Putnam disagree, the consistency check's.
    std::vector<EstimateWarning> Warnings() const override;

    const cFunctionPointDoc* GetFunctionPointModel() const { return functionPoint_.get(); }
    const cCocomoDoc* GetCocomoModel() const { return cocomo_.get(); }
    const cRayleighDoc* GetRayleighModel() const { return rayleigh_.get(); }
    cFunctionPointDoc& FunctionPointModel() { return *functionPoint_; }
    cCocomoDoc& CocomoModel() { return *cocomo_; }
    cRayleighDoc& RayleighModel() { return *rayleigh_; }

    SensitivitySource GetSensitivitySource() const { return sensitivitySource_; }
    FilterState GetFpmCcmDescription() const { return fpmCcmDescription_; }
    void SetFpmCcmDescription(FilterState state) {
        fpmCcmDescription_ = state == FilterState::NotApplicable ? FilterState::On : state;
    }
    double GetSavedCocomoSlocSensitivity() const { return savedCocomoSlocSensitivity_; }
    CocomoSensitivityType GetSavedCocomoSensitivityType() const {
        return savedCocomoSensitivityType_;
    }
    RayleighSensitivityType GetSavedRayleighSensitivityType() const {
        return savedRayleighSensitivityType_;
    }
    // The COCOMO phase profile and the Putnam curve on one time axis (see ProjectPlan).
    ProjectPlan GetPlan() const;

    // The simulation run of the whole project (its models' inputs stay with each model).
    const SimulationSettings& GetSimulationSettings() const { return simulation_; }
    void SetSimulationSettings(const SimulationSettings& settings) { simulation_ = settings; }

    // (S - L) x 100 / S of the function point SLOC; 0 when S is 0.
    double FunctionPointSlocPercentage() const;

    // One rate prices the whole project: both models carry it (and an exported model
    // keeps it), whatever rate an imported model came with.
    const CostRate& GetCostRate() const { return cost_; }
    void SetCostRate(const CostRate& cost);

    // Project menu. Import asks before it replaces a model that holds data.
    bool OnCost();
    bool OnImport(Model model);
    // Whether the model is described or sized, so an import would replace data.
    bool ModelHasData(Model model) const;
    bool OnExport(Model model);
    void OnUseSensitivity(SensitivitySource source);
    bool IsSensitivityCommandEnabled(Model model) const;

    // The model menus of the project window.
    void OnFunctionPointCount();
    void OnValueAdjustmentFactor();
    void OnFunctionPointDescription();
    void OnFunctionPointSensitivity();
    void OnFunctionPointReverseEngineering();
    void OnFunctionPointInitialize();
    void OnCocomoAttributes();
    void OnCocomoCostDrivers();
    void OnCocomoDescription();
    void OnCocomoSensitivity();
    void OnCocomoReverseEngineering();
    void OnCocomoInitialize();
    void OnRayleighAttributes();
    void OnRayleighDescription();
    void OnRayleighSensitivity();
    void OnRayleighReverseEngineering();
    void OnRayleighInitialize();
    void OnLanguages();

  protected:
    bool WriteIdentity(const std::string& path) override;
    bool WritesTypeOnFileSave() const override { return false; }
    bool SaveOwnSections(const std::string& path) override;
    // False when one of the models could not be read; the others are read all the same.
    bool LoadOwnSections(const std::string& path) override;
    void FillDisplayOptions(cDisplayOptionsDlg& dialog) const override;
    void StoreDisplayOptions(const cDisplayOptionsDlg& dialog) override;

  private:
    // What a change touched; FlowFigures hands on from there what depends on it.
    enum class Change {
        // The function point size (or the whole project, after a load or a reset).
        Everything,
        // The chosen source or its range.
        Sensitivity,
        // COCOMO's schedule, by its attributes or cost drivers.
        CocomoSchedule,
        // A new COCOMO or Rayleigh model (initialized or imported) takes what it depends on.
        NewCocomo,
        NewRayleigh,
    };
    // The one place the figures of one model are copied into the next.
    void FlowFigures(Change change);
    bool CocomoCarriesFpRange() const;
    bool RayleighShowsProjectRanges() const;
    void KeepCocomoSensitivityAside();
    void KeepRayleighTypeAside();
    void ResetProjectState();
    bool WriteKeptAsideCocomoSettings(const std::string& path) const;
    bool WriteKeptAsideRayleighType(const std::string& path) const;
    bool WriteSimulationRun(const std::string& path) const;
    // Marks the project modified and redraws when the model was changed by its command;
    // the figures flow on from the change first.
    void AfterModelCommand(const cModelDoc& model, std::optional<Change> change = std::nullopt);
    void AfterSensitivityCommand(const cModelDoc& model);
    void CopySwitchesIntoModels();
    // Both models' staffing under one heading, after every model's rows.
    int DrawStaffingBlock(cDrawContext& dc, int& y, unsigned flags);
    int DrawConsistencyBlock(cDrawContext& dc, int& y, unsigned flags);
    void ImposeCostOnModels();
    int DrawCost(cDrawContext& dc, int& y, unsigned flags);
    int DrawModelReport(cDrawContext& dc, int& y, unsigned flags, cModelDoc& model,
                        bool suppressSensitivity);
    int DrawModelRows(cDrawContext& dc, int& y, unsigned flags, cModelDoc& model);

    std::unique_ptr<cCocomoDoc> cocomo_;
    std::unique_ptr<cFunctionPointDoc> functionPoint_;
    std::unique_ptr<cRayleighDoc> rayleigh_;
    FilterState fpmCcmDescription_ = FilterState::On;
    SensitivitySource sensitivitySource_ = SensitivitySource::FunctionPoint;
    double savedCocomoSlocSensitivity_ = 0;
    CocomoSensitivityType savedCocomoSensitivityType_ = CocomoSensitivityType::Sloc;
    RayleighSensitivityType savedRayleighSensitivityType_ = RayleighSensitivityType::ProjectRanges;
    SimulationSettings simulation_;
    CostRate cost_;
};

}  // namespace korval
