// The COCOMO report body of cCocomoDoc, laid out row by row from the current figures.
#include "cocomo/CocomoChart.h"
#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "framework/StaffingRows.h"

namespace korval {

namespace {

constexpr double kRowSpacing = 0.5;
constexpr const char* kSizeFormat = "%-3.1lf";
constexpr const char* kEffortFormat = "%-3.1lf person months";
constexpr const char* kScheduleFormat = "%-3.1lf calendar months";
constexpr const char* kStaffFormat = "%-3.1lf FSP";

const char* SensitivityTypeLabel(CocomoSensitivityType type) {
    switch (type) {
        case CocomoSensitivityType::Sloc:
            return "Source Lines of Code (SLOC)";
        case CocomoSensitivityType::NominalEffort:
            return "Nominal Person Months";
        default:
            return "Adjusted Person Months";
    }
}

}  // namespace

int cCocomoDoc::DrawFigureRow(cDrawContext& dc, int& y, unsigned& flags, std::string_view label,
                              const char* format, const RangedFigure& figure, bool showRange) {
    std::string range =
        showRange ? FormatNumber("(%-3.1lf - %3.1lf)", figure.low, figure.high) : std::string();
    return DrawRow(dc, y, "", label, FormatNumber(format, figure.value), range, flags, kRowSpacing);
}

int cCocomoDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    bool sensitivity = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    if (sensitivity) {
        total +=
            DrawRow(dc, y, "", "Sensitivity Analysis Type:", SensitivityTypeLabel(sensitivityType_),
                    "", flags, kRowSpacing);
    }
    total += DrawTotals(dc, y, flags, sensitivity);
    if (GetFilter(kPhaseDistributionSwitch) == FilterState::On)
        total += DrawPhaseDistribution(dc, y, flags, sensitivity);
    total += DrawWarnings(dc, y);
    if (GetFilter(kStaffingSwitch) == FilterState::On) {
        total += DrawRow(dc, y, "", "Staffing", "", "", flags, 0.05);
        total += DrawStaffingRows(dc, y, flags);
    }
    if (ShowsCost(*this, cost_)) total += DrawCost(dc, y, flags, sensitivity);
    if (GetFilter(kChartsSwitch) == FilterState::On) {
        ChartContent chart = CocomoPhaseChart(GetStaffingProfile());
        if (!chart.series.empty()) total += DrawChart(dc, y, "Phase Staffing Chart", chart, flags);
    }
    return FinishReport(dc, total);
}

bool cCocomoDoc::ShowsNominalRange(bool sensitivity) const {
    return sensitivity && (sensitivityType_ == CocomoSensitivityType::Sloc ||
                           sensitivityType_ == CocomoSensitivityType::NominalEffort);
}

std::vector<CostRow> cCocomoDoc::CostRows(bool sensitivity) const {
    PhaseFigures design = GetPhaseFigures(Phase::ProductDesign);
    PhaseFigures programming = GetProgrammingPhaseFigures();
    PhaseFigures integration = GetPhaseFigures(Phase::IntegrationAndTest);
    return {
        {"Nominal Effort:", GetNominalEffortRange(), ShowsNominalRange(sensitivity)},
        {"Adjusted Effort:", GetAdjustedEffortRange(), sensitivity},
        {"Product Design Phase:", design.effort, sensitivity},
        {"Programming Phase:", GetProgrammingEffortRange(), sensitivity},
        {"    Detailed Design:", programming.detailedDesign, sensitivity},
        {"    Code and Unit Test:", programming.codeAndUnitTest, sensitivity},
        {"Integration and Test Phase:", integration.effort, sensitivity},
    };
}

// Under its own heading after every other row, so that pricing an estimate moves nothing.
int cCocomoDoc::DrawCost(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity) {
    std::vector<CostRow> rows = CostRows(sensitivity);
    int advanced = KeepCostRowsTogether(dc, y, rows.size() + 2);
    advanced += DrawRow(dc, y, "", "Cost", "", "", flags, kRowSpacing);
    advanced += DrawCostRateRow(*this, dc, y, flags, cost_, "    ");
    return advanced + DrawCostFigureRows(*this, dc, y, flags, cost_, "    ", rows);
}

// Each quantity shows a range only when the sensitivity type varies it or what it
// is computed from: size < nominal effort < adjusted effort < time to develop.
int cCocomoDoc::DrawTotals(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity) {
    int advanced = 0;
    if (GetFilter(kIntermediateTotalsSwitch) == FilterState::On) {
        advanced +=
            DrawFigureRow(dc, y, flags, "Source Lines of Code:", kSizeFormat, GetSourceLinesRange(),
                          sensitivity && sensitivityType_ == CocomoSensitivityType::Sloc);
        advanced += DrawFigureRow(dc, y, flags, "Nominal Effort:", kEffortFormat,
                                  GetNominalEffortRange(), ShowsNominalRange(sensitivity));
        advanced += DrawFigureRow(dc, y, flags, "Adjusted Effort:", kEffortFormat,
                                  GetAdjustedEffortRange(), sensitivity);
    }
    if (GetFilter(kTotalsSwitch) == FilterState::On) {
        advanced += DrawFigureRow(dc, y, flags, "Time to Develop:", kScheduleFormat,
                                  GetTimeToDevelopRange(), sensitivity);
    }
    return advanced;
}

int cCocomoDoc::DrawPhaseDistribution(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity) {
    auto heading = [&](std::string_view label) {
        return DrawRow(dc, y, "", label, "", "", flags, kRowSpacing);
    };
    auto entry = [&](std::string_view label, const char* format, const RangedFigure& figure) {
        return DrawFigureRow(dc, y, flags, label, format, figure, sensitivity);
    };
    auto scheduleAndStaff = [&](const PhaseFigures& figures) {
        int rows = entry("        Schedule:", kScheduleFormat, figures.schedule);
        return rows + entry("        Average Staff:", kStaffFormat, figures.staff);
    };

    int advanced = heading("Phase Distribution");
    PhaseFigures design = GetPhaseFigures(Phase::ProductDesign);
    advanced += heading("    Product Design Phase");
    advanced += entry("        Adjusted Effort:", kEffortFormat, design.effort);
    advanced += scheduleAndStaff(design);

    PhaseFigures programming = GetProgrammingPhaseFigures();
    advanced += heading("    Programming Phase");
    advanced += heading("        Adjusted Effort");
    advanced += entry("            Detailed Design:", kEffortFormat, programming.detailedDesign);
    advanced +=
        entry("            Code and Unit Test:", kEffortFormat, programming.codeAndUnitTest);
    advanced += scheduleAndStaff(programming);

    PhaseFigures integration = GetPhaseFigures(Phase::IntegrationAndTest);
    advanced += heading("    Integration and Test Phase");
    advanced += entry("        Adjusted Effort:", kEffortFormat, integration.effort);
    advanced += scheduleAndStaff(integration);
    return advanced;
}

int cCocomoDoc::DrawStaffingRows(cDrawContext& dc, int& y, unsigned flags) {
    return DrawStaffingProfileRows(*this, dc, y, flags, GetStaffingProfile());
}

std::vector<EstimateWarning> cCocomoDoc::Warnings() const {
    std::vector<EstimateWarning> warnings;
    if (modelType_ != ModelType::Intermediate) {
        warnings.push_back(
            {"cocomo.modelComputedAsIntermediate",
             std::string("The file names the ") +
                 (modelType_ == ModelType::Basic ? "Basic" : "Advanced") +
                 " COCOMO model; Korval computes it as Intermediate COCOMO, with its cost "
                 "drivers and one phase distribution."});
    }
    double ksloc = Ksloc();
    if (ksloc > 0 && (ksloc < kCalibratedKslocLow || ksloc > kCalibratedKslocHigh)) {
        warnings.push_back(
            {"cocomo.sizeOutsideCalibration",
             FormatNumber("The size of %.1f KSLOC lies outside the range COCOMO was calibrated on "
                          "(about 2 to 1,000 KSLOC): its figures are extrapolated.",
                          ksloc)});
    }
    return warnings;
}

}  // namespace korval
