// The system report: totals, the cumulative schedule of the members, a summary table,
// the list of members with the files they come from, and the plan's blocks.
#include <algorithm>
#include <optional>

#include "framework/CostReport.h"
#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "project/cProjectDoc.h"
#include "rayleigh/RayleighFormulas.h"
#include "system/SystemChart.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {

std::string Figure(double value) {
    return FormatNumber("%-3.1lf", FiniteFigure(value));
}

// A title on one line, as a cell of the members block.
std::string OneLine(const std::string& text) {
    return ReplaceAll(PrintableText(text), "\n", " ");
}

}  // namespace

int cSystemDoc::DrawTotals(cDrawContext& dc, int& y, unsigned& flags) {
    int advanced =
        DrawRow(dc, y, "", "Total Adj. Function Points:", Figure(totalAdjustedFunctionPoints_), "",
                flags, 0.5);
    advanced +=
        DrawRow(dc, y, "", "Total Source Lines of Code:", Figure(totalSloc_), "", flags, 0.5);
    advanced += DrawRow(dc, y, "",
                        "Total Adj. Effort:", FormatNumber("%-3.1lf person months", totalEffort_),
                        "", flags, 0.5);
    return advanced;
}

int cSystemDoc::DrawSchedule(cDrawContext& dc, int& y, unsigned& flags) {
    int advanced =
        DrawRow(dc, y, "", "Cumulative Time to Develop (calendar months)", "", "", flags, 0.5);
    advanced +=
        DrawRow(dc, y, "", "    Product Design:", Figure(productDesignTdev_), "", flags, 0.5);
    std::vector<ScheduleRow> rows = CumulativeSchedule();
    double latest = productDesignTdev_;
    if (!rows.empty()) {
        advanced += DrawRow(dc, y, "", "    Project Number", "Programming", "Integration & Test",
                            flags, 0.05);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].integrationEnd > latest) latest = rows[i].integrationEnd;
            double spacing = i + 1 < rows.size() ? 0.05 : 0.5;
            advanced += DrawRow(dc, y, "", FormatNumber("    %d", static_cast<int>(i + 1)),
                                Figure(rows[i].programmingEnd), Figure(rows[i].integrationEnd),
                                flags, spacing);
        }
    }
    advanced += DrawRow(dc, y, "", "    Final Test and Eval.:", Figure(finalTestTdev_ + latest), "",
                        flags, 0.5);
    return advanced;
}

int cSystemDoc::DrawTotalTime(cDrawContext& dc, int& y, unsigned& flags) {
    int advanced = DrawRow(dc, y, "", "Total Time to Develop:",
                           FormatNumber("%-3.1lf calendar months", totalTdev_), "", flags, 0.5);
    advanced += DrawRow(dc, y, "", "System Manpower Buildup", "", "", flags, 0.05);
    advanced +=
        DrawRow(dc, y, "", "    Index (MBI) Level:", MbiLevelText(systemMbi_), "", flags, 0.5);
    return advanced;
}

int cSystemDoc::DrawProjectSummary(cDrawContext& dc, int& y, unsigned& flags) {
    int advanced = DrawRow(dc, y, "PROJECT SUMMARY INFORMATION:", "", "", "", flags, 0.5);
    advanced += DrawArrayRow(
        dc, y, {"Project", "Adjusted", "SLOC", "Prog.", "I&T", "Prog.", "I&T", "MBI"}, flags, 0.05);
    advanced += DrawArrayRow(
        dc, y, {"Number", "FP", "", "Effort", "Effort", "TDEV", "TDEV", "Level"}, flags, 0.05);
    for (std::size_t i = 0; i < members_.size(); ++i) {
        MemberFigures f = members_[i]->Figures();
        advanced += DrawArrayRow(
            dc, y,
            {FormatNumber("%d", static_cast<int>(i + 1)), Figure(f.adjustedFunctionPoints),
             Figure(f.sourceLines), Figure(f.programmingEffort), Figure(f.integrationEffort),
             Figure(f.programmingTdev), Figure(f.integrationTdev), MbiLevelText(f.mbi)},
            flags, 0.05);
    }
    return advanced;
}

// The system's phases, each member and the total at the system's rate, after every other
// row. One row per member, as the summary table has.
int cSystemDoc::DrawCost(cDrawContext& dc, int& y, unsigned& flags) {
    std::vector<CostRow> rows;
    rows.reserve(members_.size() + 3);
    rows.push_back({"Product Design:", RangedFigure::Exact(productDesignEffort_)});
    for (std::size_t i = 0; i < members_.size(); ++i) {
        rows.push_back({FormatNumber("Project %d:", static_cast<int>(i + 1)),
                        RangedFigure::Exact(MemberEffort(members_[i]->Figures()))});
    }
    rows.push_back({"Final Test and Eval.:", RangedFigure::Exact(finalTestEffort_)});
    rows.push_back({"Total:", RangedFigure::Exact(totalEffort_)});
    int advanced = KeepCostRowsTogether(dc, y, rows.size() + 2);
    advanced += DrawRow(dc, y, "SYSTEM COST INFORMATION:", "", "", "", flags, 0.5);
    advanced += DrawCostRateRow(*this, dc, y, flags, cost_, "");
    return advanced + DrawCostFigureRows(*this, dc, y, flags, cost_, "", rows);
}

// A missing member would otherwise show only as a row of zeros: each member is named with
// its file, and the block ends with how many files were not found.
int cSystemDoc::DrawMembers(cDrawContext& dc, int& y, unsigned& flags) {
    int advanced = DrawRow(dc, y, "PROJECT MEMBERS:", "", "", "", flags, 0.5);
    advanced += DrawRow(dc, y, "", "Project Number", "Title", "File", flags, 0.05);
    for (std::size_t i = 0; i < members_.size(); ++i) {
        const cSystemProjectDoc& member = *members_[i];
        std::string title = member.IsFound() ? OneLine(member.GetTitle()) : "file not found";
        advanced += DrawRow(dc, y, "", FormatNumber("%d", static_cast<int>(i + 1)), title,
                            PrintableText(member.GetFileName()), flags, 0.05);
    }
    advanced +=
        DrawRow(dc, y, "", "Member Files Not Found:",
                FormatNumber("%zu of %zu", MissingMemberCount(), members_.size()), "", flags, 0.5);
    return advanced;
}

// The Gantt chart of the cumulative schedule, then the staffing it sums to.
int cSystemDoc::DrawCharts(cDrawContext& dc, int& y, unsigned& flags, const SystemPlan& plan) {
    ChartContent gantt = SystemGanttChart(plan);
    int advanced = 0;
    if (!gantt.rows.empty()) advanced += DrawChart(dc, y, "Schedule Chart", gantt, flags);
    ChartContent staffing = SystemStaffingChart(plan);
    if (!staffing.series.empty())
        advanced += DrawChart(dc, y, "System Staffing Chart", staffing, flags);
    return advanced;
}

int cSystemDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = DrawRow(dc, y, "SYSTEM LEVEL ESTIMATION INFORMATION:", "", "", "", flags, 0.5);
    total += cModelDoc::DrawReport(dc, y, flags);
    bool totals = GetFilter(kTotalsSwitch) == FilterState::On;
    bool intermediate = GetFilter(kIntermediateTotalsSwitch) == FilterState::On;
    if (totals) total += DrawTotals(dc, y, flags);
    if (intermediate) total += DrawSchedule(dc, y, flags);
    if (totals) total += DrawTotalTime(dc, y, flags);
    if (intermediate && !members_.empty()) total += DrawProjectSummary(dc, y, flags);
    if (!members_.empty()) total += DrawMembers(dc, y, flags);
    total += DrawWarnings(dc, y);
    bool staffing = GetFilter(kStaffingSwitch) == FilterState::On;
    bool charts = GetFilter(kChartsSwitch) == FilterState::On;
    std::optional<SystemPlan> plan;
    if (staffing || charts) plan = GetPlan();
    if (staffing) total += DrawStaffingBlock(dc, y, flags, *plan);
    if (ShowsCost(*this, cost_)) total += DrawCost(dc, y, flags);
    if (charts) total += DrawCharts(dc, y, flags, *plan);
    return FinishReport(dc, total);
}

std::vector<EstimateWarning> cSystemDoc::Warnings() const {
    std::vector<EstimateWarning> warnings;
    std::size_t missing = 0;
    std::size_t unlisted = 0;
    for (const auto& member : members_) {
        if (!member->IsFound()) {
            ++missing;
            continue;
        }
        const cProjectDoc* project = member->GetProject();
        if (!project) continue;
        for (EstimateWarning& warning : project->Warnings()) {
            if (warnings.size() == kListedMemberWarnings) {
                ++unlisted;
                continue;
            }
            warnings.push_back(
                {warning.code, PrintableText(member->GetFileName()) + ": " + warning.message});
        }
    }
    // Product design is the user's only when specified; otherwise the members give it.
    struct Attribute {
        const char* name;
        double value;
        bool entered;
    };
    const Attribute attributes[] = {
        {"product design time", productDesignTdev_, productDesignUserSpecified_},
        {"product design effort", productDesignEffort_, productDesignUserSpecified_},
        {"final test time", finalTestTdev_, true},
        {"final test effort", finalTestEffort_, true}};
    for (const auto& [name, value, entered] : attributes) {
        if (entered && value < 0) {
            warnings.push_back({"system.negativeAttribute",
                                FormatNumber("The %s is %.1f, below 0: it takes from the totals; "
                                             "System Attributes takes 0 or more.",
                                             name, value)});
        }
    }
    if (unlisted > 0) {
        warnings.push_back(
            {"system.moreMemberWarnings",
             FormatNumber("%zu more warnings of members are not listed.", unlisted)});
    }
    // The members are listed above with "(missing)"; the warning says what that does to the
    // totals.
    if (missing > 0) {
        warnings.insert(warnings.begin(),
                        {"system.memberMissing",
                         missing == 1 ? std::string("The totals leave out one member whose file "
                                                    "could not be read; it counts as nothing.")
                                      : FormatNumber("The totals leave out %zu members whose files "
                                                     "could not be read; they count as nothing.",
                                                     missing)});
    }
    return warnings;
}

}  // namespace korval
