// The function point report body of cFunctionPointDoc and the report switches it offers.
#include "framework/NumberText.h"
#include "framework/cDisplayOptionsDlg.h"
#include "functionpoint/LanguageProfile.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

namespace {

std::string RangeText(double low, double high) {
    return FormatNumber("(%-3.1lf - %3.1lf)", low, high);
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

void cFunctionPointDoc::DrawFigureRows(cDrawContext& dc, int& y, unsigned& flags,
                                       int& total) const {
    constexpr double kSpacing = 0.5;
    bool sensitivityOn = GetFilter(kSensitivityAnalysisSwitch) == kFilterOn;
    if (sensitivityOn) {
        total += DrawRow(dc, y, "",
                         "Sensitivity Analysis Type: ", SensitivityTypeText(sensitivity_.type), "",
                         flags, kSpacing);
    }
    if (GetFilter(kIntermediateTotalsSwitch) == kFilterOn) {
        double ufpLow = 0.0, ufpHigh = 0.0, afpLow = 0.0, afpHigh = 0.0;
        double ufp = UnadjustedFunctionPoints(ufpLow, ufpHigh);
        double afp = AdjustedFunctionPoints(afpLow, afpHigh);
        bool ufpHasRange = sensitivityOn && sensitivity_.type != SensitivityType::ADJ_FP;
        total += DrawRow(dc, y, "", "Unadj. Function Points:", FormatNumber("%-3.1lf", ufp),
                         ufpHasRange ? RangeText(ufpLow, ufpHigh) : "", flags, kSpacing);
        total += DrawRow(dc, y, "", "Value Adjustment Factor:",
                         FormatNumber("%-.2lf", ValueAdjustmentFactor()), "", flags, kSpacing);
        total += DrawRow(dc, y, "", "Adj. Function Points:", FormatNumber("%-3.1lf", afp),
                         sensitivityOn ? RangeText(afpLow, afpHigh) : "", flags, kSpacing);
        total +=
            DrawRow(dc, y, "", "Language:", LanguageLabel(selectedLanguage_), "", flags, kSpacing);
    }
    if (GetFilter(kTotalsSwitch) == kFilterOn) {
        double low = 0.0, high = 0.0;
        double sloc = SourceLinesOfCode(low, high);
        total += DrawRow(dc, y, "", "Source Lines of Code:", FormatNumber("%-3.1lf", sloc),
                         sensitivityOn ? RangeText(low, high) : "", flags, kSpacing);
    }
}

int cFunctionPointDoc::DrawReport(cDrawContext& dc, int& y, unsigned flags) {
    int total = cModelDoc::DrawReport(dc, y, flags);
    DrawFigureRows(dc, y, flags, total);
    return FinishReport(dc, total);
}

void cFunctionPointDoc::FillDisplayOptions(cDisplayOptionsDlg& dialog) const {
    cModelDoc::FillDisplayOptions(dialog);
    dialog.SetValue(cDisplayOptionsDlg::kPhaseDistributionBox, kFilterNotApplicable);
}

void cFunctionPointDoc::StoreDisplayOptions(const cDisplayOptionsDlg& dialog) {
    SetFilter(kDescriptionSwitch, dialog.Result(cDisplayOptionsDlg::kDescriptionBox));
    SetFilter(kIntermediateTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kIntermediateTotalsBox));
    SetFilter(kTotalsSwitch, dialog.Result(cDisplayOptionsDlg::kTotalsBox));
    SetFilter(kSensitivityAnalysisSwitch, dialog.Result(cDisplayOptionsDlg::kSensitivityBox));
}

}  // namespace korval
