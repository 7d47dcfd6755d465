#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/EstimateWarning.h"
#include "framework/FileIdentity.h"
#include "framework/FilterState.h"
#include "framework/cAppContext.h"
#include "framework/cDocumentKind.h"
#include "framework/cDrawContext.h"

namespace korval {

struct ChartContent;
struct ChartTable;

class cDocObserver;
class cDisplayOptionsDlg;

// Common base of the five document kinds: description texts, report filter, the fixed
// order of reset, load and save, and the row primitives every report body is laid out with.
class cModelDoc {
  public:
    // The report filter switches, in file order.
    enum FilterSwitch {
        kDescriptionSwitch,
        kTotalsSwitch,
        kIntermediateTotalsSwitch,
        kSensitivityAnalysisSwitch,
        kPhaseDistributionSwitch,
        kStaffingSwitch,
        kCostSwitch,
        kChartsSwitch,
        kFilterSwitchCount
    };
    static constexpr std::size_t kTitleLimit = 50;
    static constexpr std::size_t kPreparedByLimit = 50;
    static constexpr std::size_t kDescriptionLimit = 500;

    cModelDoc(cAppContext& context, DocumentKind kind);
    virtual ~cModelDoc();
    cModelDoc& operator=(const cModelDoc&) = delete;

    DocumentKind Kind() const { return kind_; }
    const cDocumentKind& KindInfo() const { return cDocumentKind::Of(kind_); }
    cAppContext& Context() const { return context_; }
    // The context's platform, or the message capture of the thread loading the document.
    cPlatformServices& Platform() const;
    const std::string& DefaultsProfile() const { return context_.defaultsProfilePath; }

    // What the platform document keeps: path, window title, modified flag, views.
    const std::string& GetPathName() const { return pathName_; }
    // The document's file from now on, as it is on disk at this moment (just read or saved).
    void SetPathName(const std::string& path);
    // Whether the file was changed on disk (by another program or another Korval) since the
    // document read or saved it; false for a file that is gone.
    bool FileChangedSinceRead() const;
    const std::string& GetDocumentTitle() const { return documentTitle_; }
    void SetDocumentTitle(const std::string& title) { documentTitle_ = title; }
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);
    // Changes with every edit (each time the document is marked modified) and every load,
    // and is never given twice in a run, not even to another document: what a result
    // computed from the document (the simulation's) is kept under.
    std::uint64_t Revision() const { return revision_; }
    // Figures changed without an edit of the document's own (a system's member file read
    // again): results computed from it are stale, yet there is nothing to save.
    void MarkFiguresChanged();
    // The revision the document was made with: tells it from an earlier document that
    // lived at the same address.
    std::uint64_t Identity() const { return identity_; }
    void AddObserver(cDocObserver* observer);
    void RemoveObserver(cDocObserver* observer);
    void UpdateAllViews();

    // Description texts (Title at most 50, PreparedBy 50, Description 500 characters;
    // line breaks in the description are CR LF).
    const std::string& GetTitle() const { return title_; }
    const std::string& GetPreparedBy() const { return preparedBy_; }
    const std::string& GetDescription() const { return description_; }
    void SetDescriptionTexts(const std::string& title, const std::string& preparedBy,
                             const std::string& description);

    FilterState GetFilter(FilterSwitch which) const { return filter_[which]; }
    void SetFilter(FilterSwitch which, FilterState state) { filter_[which] = state; }

    bool SetSummarySection(std::string_view name);
    const std::string& GetSummarySection() const { return summarySection_; }

    int GetReportExtentWidth() const { return extentWidth_; }
    int GetReportExtentHeight() const { return extentHeight_; }
    void SetReportExtent(int width, int height);

    [[nodiscard]] virtual bool WriteFilterValues(const std::string& path);
    virtual bool ReadFilterValues(const std::string& path);
    virtual bool IsProjectFile(const std::string& path) const;
    [[nodiscard]] virtual bool WriteFileVersion(const std::string& path);

    // File Save and File Save As. False when nothing was saved (cancelled or failed). Save
    // over a file changed on disk since it was read asks first: reload it, overwrite it or
    // save under another name, as editors do.
    [[nodiscard]] virtual bool SaveToFile();
    // Reads the document's file again, dropping the changes made here; false (the user told)
    // when it could not be read.
    bool ReloadFromFile();
    [[nodiscard]] virtual bool OnFileSaveAs();
    // Save As without the dialog: path becomes the document's path, then it is saved.
    [[nodiscard]] bool SaveAs(const std::string& path);

    // Lays out the report body into dc.layout, row by row from the current figures;
    // returns the height advanced. The base lays out the description block.
    virtual int DrawReport(cDrawContext& dc, int& y, unsigned flags);
    // What a reviewer must know before trusting the figures; the report lists them in a
    // block after its rows (DrawWarnings). None by default.
    virtual std::vector<EstimateWarning> Warnings() const { return {}; }
    // A project shows its models' warnings in its own block, not in each model's rows.
    void ShowWarnings(bool shown) { showsWarnings_ = shown; }
    // The report laid out once on the surface: what printing, print preview, PDF output,
    // the screen and the command line all draw.
    cReportLayout LayOutReport(cReportSurface& surface);

    virtual void ResetToDefaults();
    // Reads the document from a model file, the base part (description, filter) before the
    // kind's own sections; false when the file could not be read.
    [[nodiscard]] virtual bool LoadModel(const std::string& path);
    // Writes the document into a model file: identity, base part, then the kind's own
    // sections; the file is replaced once, atomically. A failure is told to the user and
    // keeps the modified flag.
    [[nodiscard]] virtual bool SaveModel(const std::string& path);

    // Commands shared by every kind.
    void EditDescription();
    bool OnInitialize();
    virtual void OnDisplayOptions();
    // Asks about saving a modified document; false when the document must stay open.
    bool CanCloseDocument();

    // Row primitives: each places one row at y and moves y below it (texts for columns 0
    // to 3; empty texts are skipped). Returns the height advanced.
    int DrawRow(cDrawContext& dc, int& y, std::string_view c0, std::string_view c1,
                std::string_view c2, std::string_view c3, unsigned flags, double spacing) const;
    // Item i at column 1 + i x column step.
    int DrawArrayRow(cDrawContext& dc, int& y, const std::vector<std::string>& items,
                     unsigned flags, double spacing) const;
    // A chart block under its heading: on surfaces with graphics the heading row and the
    // chart laid out once at the report's second column, moved whole to the next page when
    // they would cross the bottom edge, as a row is; on the character surface the heading
    // and the chart's table as rows. Returns the height advanced.
    int DrawChart(cDrawContext& dc, int& y, std::string_view heading, const ChartContent& chart,
                  unsigned flags) const;
    // The bands above and below a printed page's body.
    void DrawPageHeader(cReportSurface& surface, const PageMetrics& metrics, std::string_view left,
                        std::string_view centre, std::string_view right) const;
    void DrawPageFooter(cReportSurface& surface, const PageMetrics& metrics, std::string_view left,
                        std::string_view centre, std::string_view right) const;

  protected:
    // A document in the same state under a new identity and revision, watched by nobody:
    // the model documents copy themselves only explicitly, to make many documents from one
    // reset state.
    cModelDoc(const cModelDoc& other);
    // The identity a save writes first: model kinds write the version unless the file is a
    // project file; project and system documents write their type and version.
    [[nodiscard]] virtual bool WriteIdentity(const std::string& path);
    // The kind's own sections, after the base part; false when they could not be written
    // or read.
    [[nodiscard]] virtual bool SaveOwnSections(const std::string& path);
    [[nodiscard]] virtual bool LoadOwnSections(const std::string& path);
    // Model kinds write KORVAL_Type in File Save and Save As.
    virtual bool WritesTypeOnFileSave() const { return true; }
    // Display Options: which values the dialog starts with and which are stored back.
    virtual void FillDisplayOptions(cDisplayOptionsDlg& dialog) const;
    virtual void StoreDisplayOptions(const cDisplayOptionsDlg& dialog);
    // Stores the Staffing, Cost and Charts boxes the dialog shows; a hidden box keeps its
    // switch.
    void StorePlanSwitches(const cDisplayOptionsDlg& dialog);
    // A save starts from an empty file instead of the file's old content.
    virtual bool ReplacesWholeFile() const { return false; }

    // Stores the report extent after a screen pass; returns total.
    int FinishReport(const cDrawContext& dc, int total);
    [[nodiscard]] bool SaveBasePart(const std::string& path);
    void LoadBasePart(const std::string& path);
    void ReportSaveFailure(const std::string& path);
    // The WARNINGS block, when there are warnings and the document shows its own.
    int DrawWarnings(cDrawContext& dc, int& y);

  private:
    int DrawChartTable(cDrawContext& dc, int& y, const ChartTable& table, unsigned flags) const;

    // Every member but the revision, the identity and the observers is copied by the copy
    // constructor: a new member goes there too.
    cAppContext& context_;
    DocumentKind kind_;
    std::string pathName_;
    std::optional<FileStamp> diskStamp_;  // the file as last read or written
    bool showsWarnings_ = true;
    std::string documentTitle_;
    bool modified_ = false;
    std::uint64_t revision_;
    std::uint64_t identity_;
    std::vector<cDocObserver*> observers_;

    int extentWidth_ = 1000;
    int extentHeight_ = 400;
    std::string summarySection_;
    FilterState filter_[kFilterSwitchCount] = {FilterState::On,  FilterState::On,  FilterState::On,
                                               FilterState::Off, FilterState::Off, FilterState::On,
                                               FilterState::On,  FilterState::On};
    std::string title_;
    std::string preparedBy_;
    std::string description_;
};

}  // namespace korval
