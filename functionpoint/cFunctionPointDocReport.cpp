// The function point report body of cFunctionPointDoc and the report switches it offers.
#include "framework/NumberText.h"
#include "framework/cDisplayOptionsDlg.h"
#include "functionpoint/LanguageProfile.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

namespace {

std::string RangeText(const RangedFigure& figure) {
    return FormatNumber("(%-3.1lf - %3.1lf)", figure.low, figure.high);
}

std::string ValueText(const RangedFigure& figure) {
    return FormatNumber("%-3.1lf", figure.value);
}

std::string_view SensitivityTypeText(SensitivityType type) {
    switch (type) {
        case SensitivityType::DETAILS:
            return "Function Count Details";
        case SensitivityType::INTERM_TOT:
            return "FP Intermediate Totals";
        case SensitivityType::UNADJ_FP:
            return "Unadjusted Function Points";
        default:
            return "Adjusted Function Points";
    }
}

}  // namespace

int cFunctionPointDoc::DrawFigureRows(cDrawContext& dc, int& y, unsigned& flags) const {
    constexpr double kSpacing = 0.5;
    int total = 0;
    bool sensitivityOn = GetFilter(kSensitivityAnalysisSwitch) == FilterState::On;
    if (sensitivityOn) {
        total += DrawRow(dc, y, "",
                         "Sensitivity Analysis Type: ", SensitivityTypeText(sensitivity_.type), "",
                         flags, kSpacing);
    }
    if (GetFilter(kIntermediateTotalsSwitch) == FilterState::On) {
        RangedFigure ufp = UnadjustedFunctionPointsRange();
        RangedFigure afp = AdjustedFunctionPointsRange();
        bool ufpHasRange = sensitivityOn && sensitivity_.type != SensitivityType::ADJ_FP;
        total += DrawRow(dc, y, "", "Unadj. Function Points:", ValueText(ufp),
                         ufpHasRange ? RangeText(ufp) : "", flags, kSpacing);
        total += DrawRow(dc, y, "", "Value Adjustment Factor:",
                         FormatNumber("%-.2lf", ValueAdjustmentFactor()), "", flags, kSpacing);
        total += DrawRow(dc, y, "", "Adj. Function Points:", ValueText(afp),
                         sensitivityOn ? RangeText(afp) : "", flags, kSpacing);
        total +=
            DrawRow(dc, y, "", "Language:", LanguageLabel(selectedLanguage_), "", flags, kSpacing);
    }
    if (GetFilter(kTotalsSwitch) == FilterState::On) {
        RangedFigure sloc = SourceLinesOfCodeRange();
        total += DrawRow(dc, y, "", "Source Lines of Code:", ValueText(sloc),
                         sensitivityOn ? RangeText(sloc) : "", flags, kSpacing);
    }
    return total;
}

int cFunctionPointDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    total += DrawFigureRows(dc, y, flags);
    return FinishReport(dc, total);
}

void cFunctionPointDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    cModelDoc::FillDisplayOptions(dialog);
    dialog.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, FilterState::NotApplicable);
    // A function point count has no staffing, cost or chart of its own.
    for (cDisplayOptionsDlg::Box box :
         {cDisplayOptionsDlg::kStaffingBox, cDisplayOptionsDlg::kCostBox,
          cDisplayOptionsDlg::kChartsBox})
        dialog.SetValue(box, FilterState::NotApplicable);
}

void cFunctionPointDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    SetFilter(kDescriptionSwitch, dialog.Result(cDisplayOptionsDlg::kDescriptionBox));
    SetFilter(kIntermediateTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kIntermediateTotalsBox));
    SetFilter(kTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kTotalsBox));
    SetFilter(kSensitivityAnalysisSwitch, dialog.Result(cDisplayOptionsDlg::kSensitivityBox));
}

}  // namespace korval
