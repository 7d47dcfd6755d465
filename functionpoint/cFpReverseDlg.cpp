#include "functionpoint/cFpReverseDlg.h"

#include <cmath>

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"
#include "functionpoint/LanguageProfile.h"

namespace korval {

namespace {

constexpr const char* kFieldNames[cFpReverseDlg::kRowCount] = {
    "Unadjusted function points", "Adjusted function points", "Source lines of code"};

// Digits with at most one point and at most one leading minus, blanks only around it.
// At least one digit is needed: "-" or "." alone is no number.
bool IsPlainNumber(std::string_view text) {
    std::string trimmed = Trim(text);
    bool point = false;
    bool digit = false;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        char c = trimmed[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (!(c == '-' && i == 0)) {
            return false;
        }
    }
    return digit;
}

double Quotient(double numerator, double denominator) {
    return denominator == 0.0 ? 0.0 : numerator / denominator;
}

}  // namespace

cFpReverseDlg::cFpReverseDlg(cPlatformServices& platform, double ufp, double afp, double sloc,
                             double vaf, const cLanguage& language, cProbabilitySolve::Fetch fetch)
    : platform_(platform),
      language_(language),
      probability_(platform,
                   {{"adjustedFunctionPoints", "Adjusted function points (FP)", afp},
                    {"sourceLines", "Source lines of code (SLOC)", sloc}},
                   std::move(fetch)) {
    inputs_ = outputs_ = originals_ = {ufp, afp, sloc};
    if (vaf < 0.65 || vaf > 1.35) {
        platform_.ShowMessage("PCA not within acceptable range and set to default of 1.0");
        vaf_ = 1.0;
    } else {
        vaf_ = vaf;
    }
    languageText_ = LanguageLabel(language_);
    OnReset();
}

const char* cFpReverseDlg::RadioLabel(Row row) {
    static const char* const kLabels[kRowCount] = {
        "Unadjusted Function Points", "Adjusted Function Points", "Source Lines of Code"};
    return kLabels[row];
}

std::string cFpReverseDlg::GetOutputText(Row row) const {
    return FormatNumber("%3.1lf", outputs_.at(row));
}

std::string cFpReverseDlg::GetOriginalText(Row row) const {
    return FormatNumber("%3.1lf", originals_.at(row));
}

void cFpReverseDlg::ShowInputs() {
    for (int row = 0; row < kRowCount; ++row) inputTexts_[row] = FigureFieldText(inputs_[row]);
}

bool cFpReverseDlg::Refuse(Row row, const std::string& message) {
    modify_ = focus_ = row;
    platform_.ShowMessage(message);
    return false;
}

bool cFpReverseDlg::ReadInputs() {
    std::array<double, kRowCount> values{};
    for (int i = 0; i < kRowCount; ++i) {
        Row row = static_cast<Row>(i);
        if (!IsPlainNumber(inputTexts_[i])) return Refuse(row, kNotANumberMessage);
        std::string problem =
            NumberFieldProblem(inputTexts_[i], kFieldNames[i], NumberRule::NotNegative);
        if (!problem.empty()) return Refuse(row, problem);
        values[i] = FigureFieldValue(inputTexts_[i], inputs_[i]);
    }
    inputs_ = values;
    return true;
}

std::array<double, cFpReverseDlg::kRowCount> cFpReverseDlg::Calculate() const {
    double multiplier = language_.GetMultiplier();
    std::array<double, kRowCount> result{};
    switch (modify_) {
        case kUfpRow:
            result[kUfpRow] = inputs_[kUfpRow];
            result[kAfpRow] = vaf_ * result[kUfpRow];
            result[kSlocRow] = multiplier * result[kAfpRow];
            break;
        case kAfpRow:
            result[kAfpRow] = inputs_[kAfpRow];
            result[kUfpRow] = Quotient(result[kAfpRow], vaf_);
            result[kSlocRow] = multiplier * result[kAfpRow];
            break;
        default:
            result[kSlocRow] = inputs_[kSlocRow];
            result[kAfpRow] = Quotient(result[kSlocRow], multiplier);
            result[kUfpRow] = Quotient(result[kAfpRow], vaf_);
            break;
    }
    return result;
}

bool cFpReverseDlg::OnCalculate() {
    if (!ReadInputs()) return false;
    std::array<double, kRowCount> result = Calculate();
    // A number too large for the model's figures is refused like any other bad number.
    for (double output : result) {
        if (!std::isfinite(output)) return Refuse(modify_, kNotANumberMessage);
    }
    outputs_ = result;
    probability_.SetTarget(0, outputs_[kAfpRow]);
    probability_.SetTarget(1, outputs_[kSlocRow]);
    ShowInputs();
    return true;
}

bool cFpReverseDlg::OnModifyRadio(Row row) {
    modify_ = row;
    if (!ReadInputs()) return false;
    focus_ = row;
    return OnCalculate();
}

void cFpReverseDlg::OnReset() {
    inputs_ = originals_;
    ShowInputs();
    modify_ = focus_ = kUfpRow;
    OnModifyRadio(kUfpRow);
}

}  // namespace korval
