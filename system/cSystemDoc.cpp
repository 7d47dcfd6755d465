#include "system/cSystemDoc.h"

#include <cmath>
#include <optional>
#include <thread>
#include <unordered_map>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cCostDlg.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cProfileFileScope.h"
#include "system/SystemRollup.h"
#include "system/cMemberProjectCache.h"
#include "system/cMissingProjectDlg.h"
#include "system/cSystemAttributesDlg.h"
#include "system/cSystemProjectsDlg.h"

namespace korval {

namespace {

constexpr const char* kEstimationSection = "System_Level_Estimation";
constexpr const char* kProjectsSection = "Projects";
constexpr const char* kUncertaintySection = "System_Uncertainty";

std::string NumberedKey(const char* prefix, std::size_t index) {
    return IndexedKey(prefix, static_cast<int>(index));
}

// A number read from the file, or the field's reset value when the text is not a number.
double ReadNumber(const char* section, const std::string& key, const std::string& path) {
    return TryParseLeadingDouble(ReadProfileValue(section, key, "0", 20, path)).value_or(0.0);
}

// Shows the wait cursor for as long as it lives.
class cWaitCursor {
  public:
    explicit cWaitCursor(cPlatformServices& platform) : platform_(platform) {
        platform_.BeginWaitCursor();
    }
    ~cWaitCursor() { platform_.EndWaitCursor(); }
    cWaitCursor(const cWaitCursor&) = delete;
    cWaitCursor& operator=(const cWaitCursor&) = delete;

  private:
    cPlatformServices& platform_;
};

}  // namespace

cSystemDoc::cSystemDoc(cAppContext& context) : cModelDoc(context, DocumentKind::System) {
    ResetToDefaults();
}

cSystemDoc::~cSystemDoc() {
    ClearMembers();
}

void cSystemDoc::ClearMembers() {
    while (!members_.empty()) members_.pop_back();  // last first
}

void cSystemDoc::ResetToDefaults() {
    cModelDoc::ResetToDefaults();
    ClearMembers();
    productDesignTdev_ = 0;
    productDesignEffort_ = 0;
    productDesignUserSpecified_ = false;
    finalTestTdev_ = 0;
    finalTestEffort_ = 0;
    totalEffort_ = 0;
    totalTdev_ = 0;
    totalSloc_ = 0;
    totalAdjustedFunctionPoints_ = 0;
    systemMbi_ = 0;
    simulation_ = {};
    cost_ = DefaultCostRate(DefaultsProfile());
}

std::unique_ptr<cSystemProjectDoc> cSystemDoc::CreateMember() {
    return std::make_unique<cSystemProjectDoc>(Context());
}

std::vector<std::unique_ptr<cSystemProjectDoc>> cSystemDoc::ReleaseMembers() {
    std::vector<std::unique_ptr<cSystemProjectDoc>> released = std::move(members_);
    members_.clear();
    return released;
}

void cSystemDoc::SetMembers(std::vector<std::unique_ptr<cSystemProjectDoc>> members) {
    ClearMembers();
    members_ = std::move(members);
}

void cSystemDoc::SetAttributes(double productDesignTdev, double productDesignEffort,
                               bool userSpecified, double finalTestTdev, double finalTestEffort) {
    productDesignTdev_ = productDesignTdev;
    productDesignEffort_ = productDesignEffort;
    productDesignUserSpecified_ = userSpecified;
    finalTestTdev_ = finalTestTdev;
    finalTestEffort_ = finalTestEffort;
}

void cSystemDoc::DeriveProductDesign() {
    SystemPhases phases = DeriveProductDesignFrom(Phases(), members_.size(), FiguresOfMember());
    productDesignTdev_ = phases.productDesignTdev;
    productDesignEffort_ = phases.productDesignEffort;
}

SystemPhases cSystemDoc::Phases() const {
    return {productDesignTdev_, productDesignEffort_, finalTestTdev_, finalTestEffort_};
}

std::function<MemberFigures(std::size_t)> cSystemDoc::FiguresOfMember() const {
    return [this](std::size_t i) { return members_[i]->Figures(); };
}

std::vector<cSystemDoc::ScheduleRow> cSystemDoc::CumulativeSchedule() const {
    std::vector<ScheduleRow> rows;
    rows.reserve(members_.size());
    VisitCumulativeSchedule(productDesignTdev_, members_.size(), FiguresOfMember(),
                            [&rows](double programmingEnd, double integrationEnd) {
                                rows.push_back(ScheduleRow{programmingEnd, integrationEnd});
                            });
    return rows;
}

// Row by row: a system of 100,000 members need not hold its whole schedule for this.
double cSystemDoc::LatestIntegrationEnd() const {
    return LatestIntegrationEndOf(productDesignTdev_, members_.size(), FiguresOfMember());
}

void cSystemDoc::RecalculateSystem() {
    SystemTotals totals = RollUpSystem(Phases(), members_.size(), FiguresOfMember());
    totalAdjustedFunctionPoints_ = totals.totalAdjustedFunctionPoints;
    totalSloc_ = totals.totalSloc;
    totalEffort_ = totals.totalEffort;
    totalTdev_ = totals.totalTdev;
    systemMbi_ = totals.systemMbi;
}

double cSystemDoc::MemberEffort(const MemberFigures& figures) {
    return FiniteFigure(figures.integrationEffort + figures.programmingEffort);
}

void cSystemDoc::RefreshTotals() {
    if (!productDesignUserSpecified_) DeriveProductDesign();
    RecalculateSystem();
}

bool cSystemDoc::WriteIdentity(const std::string& path) {
    return WriteProfileValue("KORVAL", "KORVAL_Type", "System", path) && WriteFileVersion(path);
}

bool cSystemDoc::SaveOwnSections(const std::string& path) {
    if (!WriteProfileValue(kEstimationSection, "Product_Design_User_Specified",
                           productDesignUserSpecified_ ? "TRUE" : "FALSE", path)) {
        return false;
    }
    if (productDesignUserSpecified_ &&
        !(WriteProfileValue(kEstimationSection, "Product_Design_TDEV",
                            FormatNumber("%lf", productDesignTdev_), path) &&
          WriteProfileValue(kEstimationSection, "Product_Design_Effort",
                            FormatNumber("%lf", productDesignEffort_), path))) {
        return false;
    }
    if (!WriteProfileValue(kEstimationSection, "Integration_And_Test_TDEV",
                           FormatNumber("%lf", finalTestTdev_), path) ||
        !WriteProfileValue(kEstimationSection, "Integration_And_Test_Effort",
                           FormatNumber("%lf", finalTestEffort_), path)) {
        return false;
    }
    if (simulation_ != SimulationSettings{} &&
        !(WriteSimulationSettings(kUncertaintySection, simulation_, path) &&
          WriteProfileValue(kUncertaintySection, "Members",
                            simulation_.correlatedMembers ? "CORRELATED" : "INDEPENDENT", path))) {
        return false;
    }
    if (!WriteCostSection(cost_, path)) return false;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (!WriteProfileValue(kProjectsSection, NumberedKey("File_Name", i),
                               members_[i]->GetFileName(), path) ||
            !WriteProfileValue(kProjectsSection, NumberedKey("Start_Offset", i),
                               FormatNumber("%lf", members_[i]->GetStartOffset()), path)) {
            return false;
        }
    }
    return true;
}

// A system opens whatever its members give: a member that cannot be read counts as
// missing, and the system as read.
bool cSystemDoc::LoadOwnSections(const std::string& path) {
    std::string userSpecified =
        ReadProfileValue(kEstimationSection, "Product_Design_User_Specified", "FALSE", 20, path);
    if (userSpecified == "TRUE") {
        productDesignUserSpecified_ = true;
    } else {
        productDesignUserSpecified_ = false;
        if (userSpecified != "FALSE") {
            Platform().ShowMessage("Invalid entry:  Product_Design_User_Specified = " +
                                   userSpecified);
        }
    }
    if (productDesignUserSpecified_) {
        productDesignTdev_ = ReadNumber(kEstimationSection, "Product_Design_TDEV", path);
        productDesignEffort_ = ReadNumber(kEstimationSection, "Product_Design_Effort", path);
    }
    finalTestTdev_ = ReadNumber(kEstimationSection, "Integration_And_Test_TDEV", path);
    finalTestEffort_ = ReadNumber(kEstimationSection, "Integration_And_Test_Effort", path);
    simulation_ = ReadSimulationSettings(kUncertaintySection, path);
    cost_ = ReadCostSection(path, DefaultCostRate(DefaultsProfile()).currency);
    LoadMembers(path);
    RefreshTotals();
    return true;
}

std::string cSystemDoc::MemberFileName(const std::string& path, std::size_t index) {
    return ReadProfileValue(kProjectsSection, NumberedKey("File_Name", index), "", 256, path);
}

// The files are read on every core first, a run of members at a time (so that what is known
// of files that are not there never piles up); the members then take them in order, with the
// messages each file gave, as if each were read in its turn.
void cSystemDoc::ReadMembersAhead(const std::string& path, cMemberProjectCache& projects) {
    unsigned cores = std::thread::hardware_concurrency();
    if (cores < 2) return;
    constexpr std::size_t kRun = 512;
    std::vector<std::string> files;
    for (std::size_t i = 0;; ++i) {
        std::string fileName = MemberFileName(path, i);
        if (!fileName.empty()) files.push_back(projects.Resolve(fileName));
        if (fileName.empty() || files.size() == kRun) {
            projects.ReadAhead(files, cores - 1);
            files.clear();
        }
        if (fileName.empty()) return;
    }
}

void cSystemDoc::LoadMembers(const std::string& path) {
    cWaitCursor wait(Platform());
    // Every member resets itself from the defaults profile: keep it parsed for the whole load.
    cProfileFileScope defaults(DefaultsProfile());
    memberFolder_ = FolderOf(path);
    cMemberProjectCache projects(Context(), memberFolder_);
    ReadMembersAhead(path, projects);
    // The user is asked once about each missing file, however often it is listed.
    std::unordered_map<std::string, std::optional<std::string>> replacements;
    for (std::size_t i = 0;; ++i) {
        std::string fileName = MemberFileName(path, i);
        if (fileName.empty()) break;
        std::unique_ptr<cSystemProjectDoc> member = CreateMember();
        bool found = member->LoadModel(fileName, projects);
        member->SetStartOffset(ReadNumber(kProjectsSection, NumberedKey("Start_Offset", i), path));
        if (!found) {
            auto [answer, unasked] = replacements.try_emplace(fileName);
            if (unasked) answer->second = AskForMissingProject(fileName);
            if (answer->second) {
                // The member takes the chosen name even when that file cannot be read
                // either; it then stays listed as missing.
                static_cast<void>(member->LoadModel(*answer->second, projects));
                SetModifiedFlag();
            }
        }
        members_.push_back(std::move(member));
    }
}

std::vector<std::string> cSystemDoc::RereadChangedMembers() {
    std::vector<std::string> reread;
    std::unordered_map<std::string, bool> changed;  // by resolved path: each file checked once
    std::optional<cProfileFileScope> defaults;
    std::optional<cMemberProjectCache> projects;
    for (const auto& member : members_) {
        auto [entry, unchecked] = changed.try_emplace(member->GetResolvedPath(), false);
        if (unchecked && member->HasChangedOnDisk()) {
            entry->second = true;
            reread.push_back(entry->first);
        }
        if (!entry->second) continue;
        if (!projects) {
            defaults.emplace(DefaultsProfile());
            projects.emplace(Context(), memberFolder_);
        }
        // A member whose file is gone now counts as missing, as it would on the next open.
        static_cast<void>(member->LoadModel(member->GetFileName(), *projects));
    }
    if (!reread.empty()) {
        RefreshTotals();
        MarkFiguresChanged();
        UpdateAllViews();
    }
    return reread;
}

std::vector<std::string> cSystemDoc::MemberFiles() const {
    std::vector<std::string> files;
    std::unordered_map<std::string, bool> listed;
    for (const auto& member : members_) {
        if (member->GetResolvedPath().empty()) continue;
        if (listed.try_emplace(member->GetResolvedPath(), true).second)
            files.push_back(member->GetResolvedPath());
    }
    return files;
}

std::size_t cSystemDoc::MissingMemberCount() const {
    std::size_t missing = 0;
    for (const auto& member : members_) missing += member->IsFound() ? 0 : 1;
    return missing;
}

std::optional<std::string> cSystemDoc::AskForMissingProject(const std::string& fileName) {
    cMissingProjectDlg dialog(fileName, Platform());
    if (!Platform().RunDialog(dialog)) return std::nullopt;
    return dialog.GetPath();
}

void cSystemDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    cModelDoc::FillDisplayOptions(dialog);
    dialog.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, FilterState::NotApplicable);
    dialog.SetValue(cDisplayOptionsDlg::kSensitivityBox, FilterState::NotApplicable);
}

void cSystemDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    SetFilter(kDescriptionSwitch, dialog.Result(cDisplayOptionsDlg::kDescriptionBox));
    SetFilter(kTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kTotalsBox));
    SetFilter(kIntermediateTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kIntermediateTotalsBox));
    SetFilter(kSensitivityAnalysisSwitch, dialog.Result(cDisplayOptionsDlg::kSensitivityBox));
    StorePlanSwitches(dialog);
}

bool cSystemDoc::OnAttributes() {
    cSystemAttributesDlg dialog(*this, Platform());
    if (!Platform().RunDialog(dialog)) return false;
    SetAttributes(dialog.ProductDesignTdev(), dialog.ProductDesignEffort(),
                  dialog.IsUserSpecified(), dialog.FinalTestTdev(), dialog.FinalTestEffort());
    RefreshTotals();
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

bool cSystemDoc::OnCost() {
    std::optional<CostRate> cost =
        cCostDlg::Ask(Platform(), "System Cost",
                      "The rate prices the system's totals and every member project alike.", cost_);
    if (!cost) return false;
    cost_ = *cost;
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

bool cSystemDoc::OnProjects() {
    cSystemProjectsDlg dialog(*this, Platform());
    if (!Platform().RunDialog(dialog)) {
        dialog.Discard();
        return false;
    }
    dialog.Apply();
    RefreshTotals();
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

}  // namespace korval
