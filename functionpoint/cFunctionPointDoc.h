#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/RangedFigure.h"
#include "framework/cModelDoc.h"
#include "framework/cProbabilitySolve.h"
#include "functionpoint/FpSensitivity.h"
#include "functionpoint/FunctionPointCells.h"
#include "functionpoint/FunctionPointUncertainty.h"
#include "functionpoint/cFunctionCount.h"
#include "functionpoint/cLanguage.h"
#include "functionpoint/cLanguageTable.h"

namespace korval {

// A function point count of one planned system: 15 weighted counts, 14 general system
// characteristics, a language with its source lines per function point and the
// sensitivity settings. Every figure is computed from them on demand; nothing is cached.
class cFunctionPointDoc : public cModelDoc {
  public:
    using FunctionCounts = std::array<cFunctionCount, kFunctionCellCount>;
    using Ratings = std::array<int, kSystemCharacteristicCount>;

    explicit cFunctionPointDoc(cAppContext& context);
    // The same model under a new identity (see cModelDoc).
    explicit cFunctionPointDoc(const cFunctionPointDoc& other) = default;

    // --- Figures (each with the low and high values of the sensitivity settings; the
    // plain getters give the value) ---
    RangedFigure UnadjustedFunctionPointsRange() const;
    double UnadjustedFunctionPoints() const { return UnadjustedFunctionPointsRange().value; }
    double ValueAdjustmentFactor() const;
    RangedFigure AdjustedFunctionPointsRange() const;
    double AdjustedFunctionPoints() const { return AdjustedFunctionPointsRange().value; }
    RangedFigure SourceLinesOfCodeRange() const;
    double SourceLinesOfCode() const { return SourceLinesOfCodeRange().value; }
    // Weighted total of one function type (sum of count x weight over its three cells).
    std::uint64_t TypeSubtotal(FunctionType type) const;

    // --- Model data ---
    const FunctionCounts& GetFunctionCounts() const { return counts_; }
    void SetFunctionCounts(const FunctionCounts& counts) { counts_ = counts; }
    const cFunctionCount& GetFunctionCount(int cell) const { return counts_.at(cell); }
    // Negative values are ignored, as by cFunctionCount.
    void SetCount(int cell, int count) { counts_.at(cell).SetCount(count); }
    void SetWeight(int cell, int weight) { counts_.at(cell).SetWeight(weight); }

    const Ratings& GetRatings() const { return ratings_; }
    void SetRatings(const Ratings& ratings) { ratings_ = ratings; }
    int GetRating(int characteristic) const { return ratings_.at(characteristic); }
    void SetRating(int characteristic, int rating) { ratings_.at(characteristic) = rating; }

    const cLanguage& GetSelectedLanguage() const { return selectedLanguage_; }
    void SetSelectedLanguage(const cLanguage& language) { selectedLanguage_ = language; }
    const cLanguageTable& GetLanguageTable() const { return *languages_; }
    void SetLanguageTable(const cLanguageTable& table) {
        languages_ = std::make_shared<const cLanguageTable>(table);
    }

    const FpSensitivitySettings& GetSensitivity() const { return sensitivity_; }
    SensitivityType GetSensitivityType() const { return sensitivity_.type; }
    // Stores the settings; a percentage outside 0..100 becomes 0.
    void SetSensitivity(const FpSensitivitySettings& settings);
    // The same from its parts; a type outside the four becomes ADJ_FP.
    void SetSensitivity(const std::array<int, kFunctionCellCount>& cellPercentages,
                        const std::array<int, kFunctionTypeCount>& typePercentages,
                        int unadjustedPercentage, int adjustedPercentage, SensitivityType type);

    // What the simulation varies; none unless the file or the Uncertainty dialog gave it.
    const FunctionPointUncertainty& GetUncertainty() const { return uncertainty_; }
    void SetUncertainty(const FunctionPointUncertainty& uncertainty) { uncertainty_ = uncertainty; }
    // The total degree of influence of the ratings (the VAF is 0.65 + 0.01 x it).
    double TotalDegreeOfInfluence() const;

    // The 15 default weights from [FunctionCounts] of the defaults profile.
    void LoadWeights();

    // --- Document ---
    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;

    // --- Commands (menu FunctionPoint and Options) ---
    // Each opens its dialog on copies of the model data; OK copies them back, marks the
    // document modified, updates all views and returns true. Cancel changes nothing.
    // Description, Initialize, Display, Save and Save As are the cModelDoc commands.
    bool OnFunctionPointCount();
    bool OnValueAdjustmentFactor();
    bool OnSensitivityAnalysis();
    // The what-if calculator; it never changes the document.
    void OnReverseEngineering();
    // The calculator solving for probability over the simulation given: a project hands
    // its own, so the figures are those of the project's report.
    void OnReverseEngineeringWith(cProbabilitySolve::Fetch simulation);
    // Language Customization on the document's own file (after asking whether to edit
    // that file or the defaults profile) or, for a model without a file, on the defaults
    // profile. On OK the table and the selected language are read again from the model
    // file. A project passes its own path.
    bool OnLanguages();
    bool OnLanguages(const std::string& modelPath);

  protected:
    bool SaveOwnSections(const std::string& path) override;
    bool LoadOwnSections(const std::string& path) override;
    void FillDisplayOptions(cDisplayOptionsDlg& dialog) const override;
    void StoreDisplayOptions(const cDisplayOptionsDlg& dialog) override;

  private:
    RangedFigure UnadjustedRange(double ufp) const;
    [[nodiscard]] bool SaveFunctionCounts(const std::string& path) const;
    [[nodiscard]] bool SaveLanguageSection(const std::string& path) const;
    [[nodiscard]] bool SaveRatings(const std::string& path) const;
    [[nodiscard]] bool SaveSensitivity(const std::string& path) const;
    void LoadFunctionCounts(const std::string& path);
    void LoadRatings(const std::string& path);
    void LoadSensitivity(const std::string& path);
    // The language table of a model file (or, for an empty path, of the defaults profile)
    // and the language it selects.
    void ReadLanguages(std::string path);
    int DrawFigureRows(cDrawContext& dc, int& y, unsigned& flags) const;

    FunctionCounts counts_{};
    cLanguage selectedLanguage_;
    // Never changed in place: a new document shares the defaults profile's table, and a
    // file's table replaces it whole.
    std::shared_ptr<const cLanguageTable> languages_ = std::make_shared<const cLanguageTable>();
    Ratings ratings_{};
    FpSensitivitySettings sensitivity_;
    FunctionPointUncertainty uncertainty_;
};

}  // namespace korval
