#include "framework/cModelDoc.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <utility>

#include "framework/ProfileAccess.h"
#include "framework/ReportRows.h"
#include "framework/SaveAsProposal.h"
#include "framework/TextUtil.h"
#include "framework/cDescriptionDlg.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cDocObserver.h"
#include "framework/cMessageCapture.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileMemo.h"
#include "framework/cProfileStore.h"
#include "framework/cSectionMemo.h"
#include "framework/chart/ChartTable.h"

namespace korval {

namespace {

std::uint64_t NextRevision() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

constexpr const char* kFilterSection = "Filter_Values";
constexpr const char* kFilterKeys[] = {"Description",
                                       "Totals",
                                       "Intermediate_Totals",
                                       "SensitivityAnalysis",
                                       "PhaseDistribution",
                                       "Staffing",
                                       "Cost",
                                       "Charts"};
// Files written before the staffing, cost and chart blocks existed lack their keys and
// show the blocks.
constexpr FilterState kFilterDefaults[] = {FilterState::On,  FilterState::On,  FilterState::On,
                                           FilterState::Off, FilterState::Off, FilterState::On,
                                           FilterState::On,  FilterState::On};
constexpr const char* kSummaryNames[] = {"FunctionPointSummary", "CocomoSummary", "RayleighSummary",
                                         "ProjectSummary", "SystemSummary"};

// The encoded description can be up to five times its decoded length (every character a
// line break); it is read whole, decoded and only then cut to its limit.
constexpr std::size_t kEncodedDescriptionBuffer = 6 * cModelDoc::kDescriptionLimit + 1;

// Two names of one file (another spelling, a link), or the same name of a file not there.
bool NamesSameFile(const std::string& a, const std::string& b) {
    if (b.empty()) return false;
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return a == b;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

cModelDoc::cModelDoc(cAppContext& context, DocumentKind kind)
    : context_(context), kind_(kind), revision_(NextRevision()), identity_(revision_) {
    if (kind == DocumentKind::Project || kind == DocumentKind::System) extentHeight_ = 800;
}

cModelDoc::cModelDoc(const cModelDoc& other)
    : context_(other.context_),
      kind_(other.kind_),
      pathName_(other.pathName_),
      diskStamp_(other.diskStamp_),
      documentTitle_(other.documentTitle_),
      modified_(other.modified_),
      revision_(NextRevision()),
      identity_(revision_),
      extentWidth_(other.extentWidth_),
      extentHeight_(other.extentHeight_),
      summarySection_(other.summarySection_),
      title_(other.title_),
      preparedBy_(other.preparedBy_),
      description_(other.description_) {
    std::copy(std::begin(other.filter_), std::end(other.filter_), std::begin(filter_));
}

cModelDoc::~cModelDoc() = default;

void cModelDoc::SetPathName(const std::string& path) {
    pathName_ = path;
    diskStamp_ = StampOfFile(path);
    documentTitle_ = FileNameOf(path);
}

bool cModelDoc::FileChangedSinceRead() const {
    if (pathName_.empty() || !diskStamp_) return false;
    std::optional<FileStamp> now = StampOfFile(pathName_);
    return now && *now != *diskStamp_;
}

void cModelDoc::AddObserver(cDocObserver* observer) {
    observers_.push_back(observer);
}

void cModelDoc::RemoveObserver(cDocObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void cModelDoc::UpdateAllViews() {
    std::vector<cDocObserver*> copy = observers_;
    for (cDocObserver* observer : copy) observer->OnDocumentUpdated(*this);
}

void cModelDoc::SetDescriptionTexts(const std::string& title, const std::string& preparedBy,
                                    const std::string& description) {
    title_ = CutToChars(title, kTitleLimit);
    preparedBy_ = CutToChars(preparedBy, kPreparedByLimit);
    description_ = CutToChars(description, kDescriptionLimit);
}

bool cModelDoc::SetSummarySection(std::string_view name) {
    for (const char* allowed : kSummaryNames) {
        if (name == allowed) {
            summarySection_ = std::string(name);
            return true;
        }
    }
    return false;
}

cPlatformServices& cModelDoc::Platform() const {
    return cMessageCapture::Route(context_.platform);
}

void cModelDoc::SetReportExtent(int width, int height) {
    extentWidth_ = width;
    extentHeight_ = height;
}

bool cModelDoc::WriteFilterValues(const std::string& path) {
    for (int i = 0; i < kFilterSwitchCount; ++i) {
        if (!WriteProfileValue(kFilterSection, kFilterKeys[i], FilterToken(filter_[i]), path))
            return false;
    }
    return true;
}

namespace {

using FilterTokens = std::array<std::string, cModelDoc::kFilterSwitchCount>;

FilterTokens ReadFilterTokens(const std::string& path) {
    cProfileFileScope scope(path);
    FilterTokens tokens;
    for (int i = 0; i < cModelDoc::kFilterSwitchCount; ++i)
        tokens[i] = ReadProfileValue(kFilterSection, kFilterKeys[i], "", 10, path);
    return tokens;
}

// Every new document takes the defaults profile's switches, and a system creates hundreds:
// they are read once while the profile is unchanged.
const FilterTokens& DefaultsProfileFilterTokens(const std::string& profile) {
    static cProfileMemo<FilterTokens> memo;
    return memo.Get(profile, [&] { return ReadFilterTokens(profile); });
}

// A system's members and their models mostly hold the same switches: the section is read
// once per distinct text (see cSectionMemo).
FilterTokens FileFilterTokens(const std::string& path, cPlatformServices& platform) {
    static const std::vector<std::string_view> sections = {kFilterSection};
    static cSectionMemo<FilterTokens> memo;
    return memo.Read(path, sections, nullptr, platform, [&] { return ReadFilterTokens(path); });
}

}  // namespace

bool cModelDoc::ReadFilterValues(const std::string& path) {
    FilterTokens fromFile;
    if (path != DefaultsProfile()) fromFile = FileFilterTokens(path, Platform());
    const FilterTokens& tokens =
        path == DefaultsProfile() ? DefaultsProfileFilterTokens(path) : fromFile;
    for (int i = 0; i < kFilterSwitchCount; ++i) {
        const std::string& token = tokens[i];
        if (token.empty()) {
            filter_[i] = kFilterDefaults[i];
        } else if (std::optional<FilterState> state = ParseFilterToken(token)) {
            filter_[i] = *state;
        }
    }
    return true;
}

bool cModelDoc::IsProjectFile(const std::string& path) const {
    return IsProjectFilePath(path);
}

bool cModelDoc::WriteFileVersion(const std::string& path) {
    return korval::WriteFileVersion(path);
}

bool cModelDoc::WriteIdentity(const std::string& path) {
    return IsProjectFile(path) ? true : WriteFileVersion(path);
}

bool cModelDoc::SaveOwnSections(const std::string&) {
    return true;
}

bool cModelDoc::LoadOwnSections(const std::string&) {
    return true;
}

bool cModelDoc::SaveBasePart(const std::string& path) {
    return WriteProfileValue(summarySection_, "Title", title_, path) &&
           WriteProfileValue(summarySection_, "PreparedBy", preparedBy_, path) &&
           WriteProfileValue(summarySection_, "Description", description_, path) &&
           WriteFilterValues(path);
}

void cModelDoc::LoadBasePart(const std::string& path) {
    title_ = ReadProfileValue(summarySection_, "Title", "", kTitleLimit + 1, path);
    preparedBy_ = ReadProfileValue(summarySection_, "PreparedBy", "", kPreparedByLimit + 1, path);
    description_ = CutToChars(
        ReadProfileValue(summarySection_, "Description", "", kEncodedDescriptionBuffer, path),
        kDescriptionLimit);
    ReadFilterValues(path);
}

void cModelDoc::ReportSaveFailure(const std::string& path) {
    if (cProfileStore::Instance().LastErrorIsReadOnly()) {
        Platform().ShowMessage(LastProfileError());
        return;
    }
    Platform().ShowMessage("The file " + path + " could not be saved:\n" + LastProfileError() +
                           "\n\nThe document has not been changed on disk.");
}

bool cModelDoc::SaveModel(const std::string& path) {
    cProfileFileScope scope(path);
    if (ReplacesWholeFile()) cProfileStore::Instance().StartEmpty(path);
    SetSummarySection(KindInfo().summarySection);
    bool written = WriteIdentity(path) && SaveBasePart(path) && SaveOwnSections(path);
    if (!written || !scope.Commit()) {
        ReportSaveFailure(path);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool cModelDoc::LoadModel(const std::string& path) {
    cProfileFileScope scope(path);
    SetSummarySection(KindInfo().summarySection);
    LoadBasePart(path);
    bool loaded = LoadOwnSections(path);
    revision_ = NextRevision();
    return loaded;
}

void cModelDoc::MarkFiguresChanged() {
    revision_ = NextRevision();
}

void cModelDoc::SetModifiedFlag(bool modified) {
    modified_ = modified;
    if (modified) revision_ = NextRevision();
}

void cModelDoc::ResetToDefaults() {
    ReadFilterValues(DefaultsProfile());
}

// The document takes the new name only once the file is written, so a failed Save As
// leaves it with the name of the file that still holds its last saved state.
bool cModelDoc::SaveAs(const std::string& path) {
    cProfileFileScope scope(path);
    // Another file the user chose to overwrite is replaced whole: none of its old sections
    // may linger in the new document.
    if (!NamesSameFile(path, pathName_)) cProfileStore::Instance().StartEmpty(path);
    bool typed = !WritesTypeOnFileSave() ||
                 WriteProfileValue("KORVAL", "KORVAL_Type", KindInfo().typeName, path);
    if (!typed) {
        ReportSaveFailure(path);
        return false;
    }
    if (!SaveModel(path)) return false;
    if (!scope.Commit()) {
        SetModifiedFlag(true);
        ReportSaveFailure(path);
        return false;
    }
    SetPathName(path);
    return true;
}

bool cModelDoc::SaveToFile() {
    if (pathName_.empty()) return OnFileSaveAs();
    if (FileChangedSinceRead()) {
        std::optional<std::size_t> choice = Platform().AskChoice(
            pathName_ +
                " has changed on disk since Korval read or saved it.\nReload it and lose the "
                "changes made here, overwrite it with this document, or save this document "
                "under another name?",
            {"Reload", "Overwrite", "Save As..."});
        if (!choice) return false;
        if (*choice == 0) {
            ReloadFromFile();
            return false;
        }
        if (*choice == 2) return OnFileSaveAs();
    }
    if (SaveAs(pathName_)) return true;
    // A read-only file stays as it is; the document may still go under another name.
    return cProfileStore::Instance().LastErrorIsReadOnly() && OnFileSaveAs();
}

bool cModelDoc::ReloadFromFile() {
    std::string problem = FileReadProblem(pathName_);
    if (!problem.empty()) {
        Platform().ShowMessage("Cannot reload " + pathName_ + ": " + problem + ".");
        return false;
    }
    ResetToDefaults();
    bool loaded = LoadModel(pathName_);
    SetPathName(pathName_);
    SetModifiedFlag(false);
    UpdateAllViews();
    return loaded;
}

bool cModelDoc::OnFileSaveAs() {
    const cDocumentKind& info = KindInfo();
    const std::string& extension = context_.extensions[static_cast<int>(kind_)];
    std::string filters = info.FilterText(extension) + "All Files (*.*)|*.*|";
    std::string answer = Platform().PromptSaveFileName(
        pathName_.empty() ? ProposedFileName(*this) : pathName_, filters,
        CutToChars(extension.empty() ? extension : extension.substr(1), 3));
    if (answer.empty()) return false;
    return SaveAs(answer);
}

void cModelDoc::EditDescription() {
    cDescriptionDlg dialog(title_, preparedBy_, description_);
    if (!Platform().RunDialog(dialog)) return;
    SetDescriptionTexts(dialog.GetTitleText(), dialog.GetPreparedByText(),
                        dialog.GetDescriptionText());
    UpdateAllViews();
    SetModifiedFlag();
}

bool cModelDoc::OnInitialize() {
    if (Platform().ShowMessage(std::string(KindInfo().initializeText), MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return false;
    }
    ResetToDefaults();
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

void cModelDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    dialog.SetValue(cDisplayOptionsDlg::kDescriptionBox, filter_[kDescriptionSwitch]);
    dialog.SetValue(cDisplayOptionsDlg::kModelDescriptionsBox, FilterState::NotApplicable);
    dialog.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, filter_[kPhaseDistributionSwitch]);
    dialog.SetValue(cDisplayOptionsDlg::kIntermediateTotalsBox, filter_[kIntermediateTotalsSwitch]);
    dialog.SetValue(cDisplayOptionsDlg::kTotalsBox, filter_[kTotalsSwitch]);
    dialog.SetValue(cDisplayOptionsDlg::kSensitivityBox, filter_[kSensitivityAnalysisSwitch]);
    dialog.SetValue(cDisplayOptionsDlg::kStaffingBox, filter_[kStaffingSwitch]);
    dialog.SetValue(cDisplayOptionsDlg::kCostBox, filter_[kCostSwitch]);
    dialog.SetValue(cDisplayOptionsDlg::kChartsBox, filter_[kChartsSwitch]);
}

void cModelDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    filter_[kDescriptionSwitch] = dialog.Result(cDisplayOptionsDlg::kDescriptionBox);
    filter_[kPhaseDistributionSwitch] = dialog.Result(cDisplayOptionsDlg::kPhaseDistributionBox);
    filter_[kIntermediateTotalsSwitch] = dialog.Result(cDisplayOptionsDlg::kIntermediateTotalsBox);
    filter_[kTotalsSwitch] = dialog.Result(cDisplayOptionsDlg::kTotalsBox);
    filter_[kSensitivityAnalysisSwitch] = dialog.Result(cDisplayOptionsDlg::kSensitivityBox);
    StorePlanSwitches(dialog);
}

void cModelDoc::StorePlanSwitches(const cDisplayOptionsDlg& dialog) {
    constexpr std::pair<FilterSwitch, cDisplayOptionsDlg::Box> kPlanBoxes[] = {
        {kStaffingSwitch, cDisplayOptionsDlg::kStaffingBox},
        {kCostSwitch, cDisplayOptionsDlg::kCostBox},
        {kChartsSwitch, cDisplayOptionsDlg::kChartsBox}};
    for (auto [which, box] : kPlanBoxes) {
        if (dialog.IsVisible(box)) filter_[which] = dialog.Result(box);
    }
}

void cModelDoc::OnDisplayOptions() {
    cDisplayOptionsDlg dialog;
    FillDisplayOptions(dialog);
    if (!Platform().RunDialog(dialog)) return;
    StoreDisplayOptions(dialog);
    SetModifiedFlag();
    UpdateAllViews();
}

bool cModelDoc::CanCloseDocument() {
    if (!modified_) return true;
    std::string name = !pathName_.empty()        ? pathName_
                       : !documentTitle_.empty() ? documentTitle_
                                                 : std::string("Untitled");
    switch (Platform().ShowMessage("Save changes to " + name + "?", MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            return SaveToFile() && !modified_;
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

int cModelDoc::FinishReport(const cDrawContext& dc, int total) {
    if (!dc.surface.IsPrinter()) SetReportExtent(1000, total + 50);
    return total;
}

// After the figures' rows, before the blocks the display options add (staffing, cost,
// charts): a reviewer reads the figures, then what to doubt of them. Each surface breaks
// the lines at its own width, as for the description.
int cModelDoc::DrawWarnings(cDrawContext& dc, int& y) {
    if (!showsWarnings_) return 0;
    std::vector<EstimateWarning> warnings = Warnings();
    if (warnings.empty()) return 0;
    const int gap = static_cast<int>(3 * dc.metrics.text.height * 0.5);
    y += gap;
    int advanced = gap + DrawRow(dc, y, "WARNINGS:", "", "", "", TextFlags::kBase, 0.5);
    unsigned wrapping = TextFlags::kBase | TextFlags::kWordBreak;
    for (const EstimateWarning& warning : warnings)
        advanced += DrawRow(dc, y, "", "Warning:", warning.message, "", wrapping, 0.5);
    return advanced;
}

int cModelDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    if (filter_[kDescriptionSwitch] != FilterState::On) return 0;
    int advanced = DrawRow(dc, y, "", "Title:", title_, "", flags, 0.5);
    advanced += DrawRow(dc, y, "", "Prepared By:", preparedBy_, "", flags, 0.5);
    unsigned wrapping = flags | TextFlags::kWordBreak | TextFlags::kExpandTabs;
    advanced += DrawRow(dc, y, "", "Description:", description_, "", wrapping, 0.5);
    return advanced;
}

cReportLayout cModelDoc::LayOutReport(cReportSurface& surface) {
    cDrawContext dc(surface);
    int y = 5;
    int total = DrawReport(dc, y, TextFlags::kBase);
    if (context_.reportAppendix) {
        int appended = context_.reportAppendix(*this, dc, y);
        if (appended > 0) total = FinishReport(dc, total + appended);
    }
    dc.layout.SetHeight(total);
    return std::move(dc.layout);
}

// --- Row layout --------------------------------------------------------------------

int cModelDoc::DrawRow(cDrawContext& dc, int& y, std::string_view c0, std::string_view c1,
                       std::string_view c2, std::string_view c3, unsigned flags,
                       double spacing) const {
    const PageMetrics& m = dc.metrics;
    const ReportCell cells[] = {
        {m.column[0], c0}, {m.column[1], c1}, {m.column[2], c2}, {m.column[3], c3}};
    return PlaceReportRow(dc, y, cells, flags, spacing);
}

int cModelDoc::DrawArrayRow(cDrawContext& dc, int& y, const std::vector<std::string>& items,
                            unsigned flags, double spacing) const {
    std::vector<ReportCell> cells;
    cells.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        cells.push_back(
            {dc.metrics.column[1] + static_cast<int>(i) * dc.metrics.columnStep, items[i]});
    }
    return PlaceReportRow(dc, y, cells, flags, spacing);
}

int cModelDoc::DrawChart(cDrawContext& dc, int& y, std::string_view heading,
                         const ChartContent& chart, unsigned flags) const {
    if (!dc.surface.DrawsGraphics()) {
        int total = DrawRow(dc, y, "", heading, "", "", flags, 0.5);
        return total + DrawChartTable(dc, y, ChartTable::Of(chart), flags);
    }
    return PlaceReportChart(dc, y, heading, chart, flags);
}

int cModelDoc::DrawChartTable(cDrawContext& dc, int& y, const ChartTable& table,
                              unsigned flags) const {
    auto row = [&](const std::vector<std::string>& cells, double spacing) {
        if (!table.named) return DrawArrayRow(dc, y, cells, flags, spacing);
        auto cell = [&](std::size_t i) { return i < cells.size() ? cells[i] : std::string(); };
        return DrawRow(dc, y, "", cell(0), cell(1), cell(2), flags, spacing);
    };
    int total = 0;
    for (const std::string& note : table.notes) total += DrawRow(dc, y, "", note, "", "", flags, 0);
    if (!table.notes.empty()) y += dc.metrics.text.height / 2;
    total += row(table.header, 0);
    for (const std::vector<std::string>& cells : table.rows) total += row(cells, 0);
    return total + dc.metrics.text.height / 2;
}

void cModelDoc::DrawPageHeader(cReportSurface& surface, const PageMetrics& metrics,
                               std::string_view left, std::string_view centre,
                               std::string_view right) const {
    DrawPageHeaderBand(surface, metrics, left, centre, right);
}

void cModelDoc::DrawPageFooter(cReportSurface& surface, const PageMetrics& metrics,
                               std::string_view left, std::string_view centre,
                               std::string_view right) const {
    DrawPageFooterBand(surface, metrics, left, centre, right);
}

}  // namespace korval
