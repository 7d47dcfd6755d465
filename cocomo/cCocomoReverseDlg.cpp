#include "cocomo/cCocomoReverseDlg.h"

#include <cmath>

#include "cocomo/FiniteFigure.h"
#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {

constexpr double kMaxTimeToDevelop = 10000;

using Dlg = cCocomoReverseDlg;

constexpr Dlg::Row kRows[] = {Dlg::kSourceLinesRow, Dlg::kNominalEffortRow, Dlg::kAdjustedEffortRow,
                              Dlg::kTimeToDevelopRow};

bool IsRow(Dlg::Row row) {
    return row >= 0 && row < Dlg::kRowCount;
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one point and a minus sign only in front; blanks around it are
// ignored. At least one digit is needed, so "-" or "." alone is no number.
bool IsPlainNumberText(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    bool point = false;
    bool digit = false;
    for (std::size_t i = begin; i < end; ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (!(c == '-' && i == begin)) {
            return false;
        }
    }
    return digit;
}

// Why the row's text is refused; empty when it is accepted.
std::string FieldProblem(Dlg::Row row, const std::string& text) {
    if (!IsPlainNumberText(text)) return kNotANumberMessage;
    switch (row) {
        case Dlg::kSourceLinesRow:
            return NumberFieldProblem(text, "Source lines of code", NumberRule::NotNegative);
        case Dlg::kNominalEffortRow:
            return NumberFieldProblem(text, "Nominal person months", NumberRule::NotNegative);
        case Dlg::kAdjustedEffortRow:
            return NumberFieldProblem(text, "Adjusted person months", NumberRule::NotNegative);
        default: {
            double value = ParseLeadingDouble(text);
            if (value < 0 || value > kMaxTimeToDevelop)
                return "Time to develop must be between 0 and 10000 months.";
            return {};
        }
    }
}

std::string ReadOnlyText(double value) {
    return FormatNumber("%3.1lf", value);
}

}  // namespace

cCocomoReverseDlg::cCocomoReverseDlg(cPlatformServices& platform, const Values& starting,
                                     double effortAdjustmentFactor, const ModeConstants& constants,
                                     cProbabilitySolve::Fetch fetch)
    : platform_(platform),
      starting_(starting),
      inputs_(starting),
      outputs_(starting),
      factor_(effortAdjustmentFactor),
      constants_(constants),
      probability_(platform,
                   {{"adjustedEffort", "Adjusted effort (PM)", starting[kAdjustedEffortRow]},
                    {"timeToDevelop", "Time to develop (months)", starting[kTimeToDevelopRow]}},
                   std::move(fetch)) {
    OnReset();
}

const char* cCocomoReverseDlg::RadioLabel(Row row) {
    static constexpr const char* kLabels[kRowCount] = {"Source Lines of Code",
                                                       "Nominal Person Months",
                                                       "Adjusted Person Months", "Time to Develop"};
    return IsRow(row) ? kLabels[row] : "";
}

const char* cCocomoReverseDlg::ColumnHeading(int column) {
    static constexpr const char* kHeadings[3] = {"Input", "Output", "Original"};
    return column >= 0 && column < 3 ? kHeadings[column] : "";
}

void cCocomoReverseDlg::SetInputText(Row row, std::string text) {
    if (IsInputEnabled(row)) inputTexts_[row] = std::move(text);
}

std::string cCocomoReverseDlg::GetOutputText(Row row) const {
    return ReadOnlyText(GetOutput(row));
}

std::string cCocomoReverseDlg::GetOriginalText(Row row) const {
    return ReadOnlyText(GetOriginal(row));
}

void cCocomoReverseDlg::ShowFields() {
    for (Row row : kRows) inputTexts_[row] = FigureFieldText(inputs_[row]);
}

// A text that does not convert leaves its value as it was; the check that follows
// refuses it.
void cCocomoReverseDlg::ReadInputs() {
    for (Row row : kRows) {
        // A figure as shown keeps its digits beyond the shown ones.
        if (inputTexts_[row] == FigureFieldText(inputs_[row])) continue;
        if (std::optional<double> value = TryParseLeadingDouble(inputTexts_[row]))
            inputs_[row] = FiniteFigure(*value);
    }
}

void cCocomoReverseDlg::Select(Row row) {
    modify_ = row;
    focus_ = row;
}

bool cCocomoReverseDlg::ValidateInputs() {
    for (Row row : kRows) {
        std::string problem = FieldProblem(row, inputTexts_[row]);
        if (!problem.empty()) {
            Select(row);
            platform_.ShowMessage(problem);
            return false;
        }
    }
    return true;
}

void cCocomoReverseDlg::OnReset() {
    inputs_ = starting_;
    ShowFields();
    modify_ = kSourceLinesRow;
    OnModifyRadio(kSourceLinesRow);
    ShowFields();
    focus_ = kSourceLinesRow;
}

void cCocomoReverseDlg::OnModifyRadio(Row row) {
    if (!IsRow(row)) return;
    ReadInputs();
    if (!ValidateInputs()) return;
    Select(row);
    OnCalculate();
    ShowFields();
}

bool cCocomoReverseDlg::OnCalculate() {
    ReadInputs();
    if (!ValidateInputs()) return false;
    focus_ = modify_;
    Compute();
    ShowFields();
    return true;
}

double cCocomoReverseDlg::SourceLinesFromNominal(double nominal) const {
    if (nominal == 0 || constants_.a == 0 || constants_.b == 0) return 0;
    return FiniteFigure(1000 * std::pow(nominal / constants_.a, 1 / constants_.b));
}

void cCocomoReverseDlg::Compute() {
    const ModeConstants& c = constants_;
    auto schedule = [&](double adjusted) { return FiniteFigure(c.tm * std::pow(adjusted, c.te)); };
    auto nominalFromAdjusted = [&](double adjusted) {
        return factor_ == 0 ? 0 : FiniteFigure(adjusted / factor_);
    };
    double& sloc = outputs_[kSourceLinesRow];
    double& nominal = outputs_[kNominalEffortRow];
    double& adjusted = outputs_[kAdjustedEffortRow];
    double& time = outputs_[kTimeToDevelopRow];
    switch (modify_) {
        case kSourceLinesRow:
            sloc = inputs_[kSourceLinesRow];
            nominal = FiniteFigure(c.a * std::pow(sloc * 0.001, c.b));
            adjusted = FiniteFigure(factor_ * nominal);
            time = schedule(adjusted);
            break;
        case kNominalEffortRow:
            nominal = inputs_[kNominalEffortRow];
            adjusted = FiniteFigure(factor_ * nominal);
            time = schedule(adjusted);
            sloc = SourceLinesFromNominal(nominal);
            break;
        case kAdjustedEffortRow:
            adjusted = inputs_[kAdjustedEffortRow];
            time = schedule(adjusted);
            nominal = nominalFromAdjusted(adjusted);
            sloc = SourceLinesFromNominal(nominal);
            break;
        case kTimeToDevelopRow:
            time = inputs_[kTimeToDevelopRow];
            adjusted = time != 0 && c.tm != 0 && c.te != 0
                           ? FiniteFigure(std::pow(time / c.tm, 1 / c.te))
                           : 0;
            nominal = nominalFromAdjusted(adjusted);
            sloc = SourceLinesFromNominal(nominal);
            break;
        default:
            break;
    }
    probability_.SetTarget(0, adjusted);
    probability_.SetTarget(1, time);
}

}  // namespace korval
