#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/CostRate.h"
#include "framework/UncertaintyInputs.h"
#include "framework/cModelDoc.h"
#include "system/SystemPlan.h"
#include "system/SystemRollup.h"
#include "system/cSystemProjectDoc.h"

namespace korval {

class cMemberProjectCache;

// A system level estimation: member project files combined into one estimate with a
// cumulative schedule, plus the system's own product design and final test phases.
// The file holds only the members' paths; their data are read afresh on every open.
class cSystemDoc : public cModelDoc {
  public:
    explicit cSystemDoc(cAppContext& context);
    // Only projects are made by copying (from one reset project); a system never is.
    cSystemDoc(const cSystemDoc&) = delete;
    ~cSystemDoc() override;

    void ResetToDefaults() override;
    int DrawReport(cDrawContext& dc, int& y, unsigned flags) override;
    // Members whose file is missing (the totals leave them out) and each member's own
    // warnings, named by member; past kListedMemberWarnings members, a count.
    std::vector<EstimateWarning> Warnings() const override;
    static constexpr std::size_t kListedMemberWarnings = 20;

    // Product design from the members' own product design phases.
    void DeriveProductDesign();
    // Totals, cumulative schedule and SLOC-weighted MBI from the members.
    void RecalculateSystem();

    // Reads again every member whose file is no longer as it was read (saved, changed on
    // disk, gone or come back) and recomputes the totals; the system itself stays as
    // modified as it was. The member files read again, each once, in list order.
    std::vector<std::string> RereadChangedMembers();
    // The files the members are read from, each once, in list order.
    std::vector<std::string> MemberFiles() const;
    // How many members name a file that is not there.
    std::size_t MissingMemberCount() const;

    // Commands of the System menu.
    bool OnAttributes();
    bool OnProjects();
    bool OnCost();

    // The system's own rate prices its totals and every member alike, whatever rate a
    // member's file holds: one programme, one rate.
    const CostRate& GetCostRate() const { return cost_; }
    void SetCostRate(const CostRate& cost) { cost_ = cost; }
    // What a member costs: its programming and integration and test effort (the efforts it
    // adds to the system's total) at the system's rate.
    static double MemberEffort(const MemberFigures& figures);

    const std::vector<std::unique_ptr<cSystemProjectDoc>>& GetMembers() const { return members_; }
    // Replaces the member list (the Projects dialog's OK).
    void SetMembers(std::vector<std::unique_ptr<cSystemProjectDoc>> members);
    // Hands the members over to the caller, leaving the system without any.
    std::vector<std::unique_ptr<cSystemProjectDoc>> ReleaseMembers();
    // A new member (not yet loaded) for this system's context.
    std::unique_ptr<cSystemProjectDoc> CreateMember();

    double GetProductDesignTdev() const { return productDesignTdev_; }
    double GetProductDesignEffort() const { return productDesignEffort_; }
    bool IsProductDesignUserSpecified() const { return productDesignUserSpecified_; }
    double GetFinalTestTdev() const { return finalTestTdev_; }
    double GetFinalTestEffort() const { return finalTestEffort_; }
    void SetAttributes(double productDesignTdev, double productDesignEffort, bool userSpecified,
                       double finalTestTdev, double finalTestEffort);

    // The simulation run of the system, with whether its members vary together.
    const SimulationSettings& GetSimulationSettings() const { return simulation_; }
    void SetSimulationSettings(const SimulationSettings& settings) { simulation_ = settings; }

    double GetTotalEffort() const { return totalEffort_; }
    double GetTotalTdev() const { return totalTdev_; }
    double GetTotalSloc() const { return totalSloc_; }
    double GetTotalAdjustedFunctionPoints() const { return totalAdjustedFunctionPoints_; }
    double GetSystemMbi() const { return systemMbi_; }

    // One member's place in the cumulative schedule.
    struct ScheduleRow {
        double programmingEnd;
        double integrationEnd;
    };
    std::vector<ScheduleRow> CumulativeSchedule() const;
    // When the final test and evaluation phase starts: the latest integration and test end.
    double LatestIntegrationEnd() const;
    // The Gantt rows of the system's phases on the cumulative schedule and the staffing
    // they sum to; linear in the members.
    SystemPlan GetPlan() const;

  protected:
    bool WriteIdentity(const std::string& path) override;
    bool WritesTypeOnFileSave() const override { return false; }
    // A system file holds only what the system writes: the save starts from an empty
    // file and replaces the old one atomically, so a failed save loses nothing.
    bool ReplacesWholeFile() const override { return true; }
    bool SaveOwnSections(const std::string& path) override;
    bool LoadOwnSections(const std::string& path) override;
    void FillDisplayOptions(cDisplayOptionsDlg& dialog) const override;
    void StoreDisplayOptions(const cDisplayOptionsDlg& dialog) override;

  private:
    SystemPhases Phases() const;
    std::function<MemberFigures(std::size_t)> FiguresOfMember() const;
    static std::string MemberFileName(const std::string& path, std::size_t index);
    void ReadMembersAhead(const std::string& path, cMemberProjectCache& projects);
    void LoadMembers(const std::string& path);
    // The Missing Project File dialog: the file to read instead, or none.
    std::optional<std::string> AskForMissingProject(const std::string& fileName);
    void ClearMembers();
    void RefreshTotals();
    int DrawTotals(cDrawContext& dc, int& y, unsigned& flags);
    int DrawSchedule(cDrawContext& dc, int& y, unsigned& flags);
    int DrawTotalTime(cDrawContext& dc, int& y, unsigned& flags);
    int DrawProjectSummary(cDrawContext& dc, int& y, unsigned& flags);
    int DrawMembers(cDrawContext& dc, int& y, unsigned& flags);
    // The staffing block and the charts share one plan of the report's pass.
    int DrawStaffingBlock(cDrawContext& dc, int& y, unsigned flags, const SystemPlan& plan);
    int DrawMemberTimeline(cDrawContext& dc, int& y, unsigned flags, const SystemPlan& plan);
    int DrawCost(cDrawContext& dc, int& y, unsigned& flags);
    int DrawCharts(cDrawContext& dc, int& y, unsigned& flags, const SystemPlan& plan);

    std::vector<std::unique_ptr<cSystemProjectDoc>> members_;
    // Where the members' relative paths were looked up when the system was read.
    std::filesystem::path memberFolder_;
    double productDesignTdev_ = 0;
    double productDesignEffort_ = 0;
    bool productDesignUserSpecified_ = false;
    double finalTestTdev_ = 0;
    double finalTestEffort_ = 0;
    double totalEffort_ = 0;
    double totalTdev_ = 0;
    double totalSloc_ = 0;
    double totalAdjustedFunctionPoints_ = 0;
    double systemMbi_ = 0;
    SimulationSettings simulation_;
    CostRate cost_;
};

}  // namespace korval
