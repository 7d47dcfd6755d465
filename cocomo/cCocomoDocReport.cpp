// The COCOMO report body of cCocomoDoc, laid out row by row from the current figures.
#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"

namespace korval {

namespace {

constexpr double kRowSpacing = 0.5;
constexpr const char* kSizeFormat = "%-3.1lf";
constexpr const char* kEffortFormat = "%-3.1lf person months";
constexpr const char* kScheduleFormat = "%-3.1lf calendar months";
constexpr const char* kStaffFormat = "%-3.1lf FSP";

const char* SensitivityTypeLabel(int type) {
    switch (type) {
        case kSensitivitySloc:
            return "Source Lines of Code (SLOC)";
        case kSensitivityNomPm:
            return "Nominal Person Months";
        default:
            return "Adjusted Person Months";
    }
}

}  // namespace

int cCocomoDoc::DrawFigureRow(cDrawContext& dc, int& y, unsigned& flags, std::string_view label,
                              const char* format, double value, double low, double high,
                              bool showRange) {
    std::string range = showRange ? FormatNumber("(%-3.1lf - %3.1lf)", low, high) : std::string();
    return DrawRow(dc, y, "", label, FormatNumber(format, value), range, flags, kRowSpacing);
}

int cCocomoDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    bool sensitivity = GetFilter(kSensitivityAnalysisSwitch) == kFilterOn;
    if (sensitivity) {
        total +=
            DrawRow(dc, y, "", "Sensitivity Analysis Type:", SensitivityTypeLabel(sensitivityType_),
                    "", flags, kRowSpacing);
    }
    total += DrawTotals(dc, y, flags, sensitivity);
    if (GetFilter(kPhaseDistributionSwitch) == kFilterOn)
        total += DrawPhaseDistribution(dc, y, flags, sensitivity);
    return FinishReport(dc, total);
}

// Each quantity shows a range only when the sensitivity type varies it or what it
// is computed from: size < nominal effort < adjusted effort < time to develop.
int cCocomoDoc::DrawTotals(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity) {
    int advanced = 0;
    double low = 0;
    double high = 0;
    if (GetFilter(kIntermediateTotalsSwitch) == kFilterOn) {
        double size = GetSourceLinesRange(low, high);
        advanced += DrawFigureRow(dc, y, flags, "Source Lines of Code:", kSizeFormat, size, low,
                                  high, sensitivity && sensitivityType_ == kSensitivitySloc);
        double nominal = GetNominalEffort(low, high);
        advanced +=
            DrawFigureRow(dc, y, flags, "Nominal Effort:", kEffortFormat, nominal, low, high,
                          sensitivity && (sensitivityType_ == kSensitivitySloc ||
                                          sensitivityType_ == kSensitivityNomPm));
        double adjusted = GetAdjustedEffort(low, high);
        advanced += DrawFigureRow(dc, y, flags, "Adjusted Effort:", kEffortFormat, adjusted, low,
                                  high, sensitivity);
    }
    if (GetFilter(kTotalsSwitch) == kFilterOn) {
        double time = GetTimeToDevelop(low, high);
        advanced += DrawFigureRow(dc, y, flags, "Time to Develop:", kScheduleFormat, time, low,
                                  high, sensitivity);
    }
    return advanced;
}

int cCocomoDoc::DrawPhaseDistribution(cDrawContext& dc, int& y, unsigned& flags, bool sensitivity) {
    auto heading = [&](std::string_view label) {
        return DrawRow(dc, y, "", label, "", "", flags, kRowSpacing);
    };
    auto entry = [&](std::string_view label, const char* format, const PhaseFigures& figures,
                     int index) {
        return DrawFigureRow(dc, y, flags, label, format, figures[index], figures[index + 1],
                             figures[index + 2], sensitivity);
    };
    auto scheduleAndStaff = [&](const PhaseFigures& figures) {
        int rows = entry("        Schedule:", kScheduleFormat, figures, PhaseFigures::kSchedule);
        return rows + entry("        Average Staff:", kStaffFormat, figures, PhaseFigures::kStaff);
    };

    int advanced = heading("Phase Distribution");
    PhaseFigures design = GetPhaseFigures(kProductDesignPhase);
    advanced += heading("    Product Design Phase");
    advanced += entry("        Adjusted Effort:", kEffortFormat, design, PhaseFigures::kEffort);
    advanced += scheduleAndStaff(design);

    PhaseFigures programming = GetProgrammingPhaseFigures();
    advanced += heading("    Programming Phase");
    advanced += heading("        Adjusted Effort");
    advanced += entry("            Detailed Design:", kEffortFormat, programming,
                      PhaseFigures::kDetailedDesign);
    advanced += entry("            Code and Unit Test:", kEffortFormat, programming,
                      PhaseFigures::kCodeAndUnitTest);
    advanced += scheduleAndStaff(programming);

    PhaseFigures integration = GetPhaseFigures(kIntegrationAndTestPhase);
    advanced += heading("    Integration and Test Phase");
    advanced +=
        entry("        Adjusted Effort:", kEffortFormat, integration, PhaseFigures::kEffort);
    advanced += scheduleAndStaff(integration);
    return advanced;
}

}  // namespace korval
