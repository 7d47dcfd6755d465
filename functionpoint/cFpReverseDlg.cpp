#include "functionpoint/cFpReverseDlg.h"

#include <cmath>

#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"
#include "functionpoint/LanguageProfile.h"

namespace korval {

namespace {

constexpr const char* kNotANumber = "Please enter a valid floating point number";
constexpr const char* kNegativeMessages[cFpReverseDlg::kFigureCount] = {
    "Unadjusted function points must be greater than zero",
    "Adjusted function points must be greater than zero",
    "Source lines of code must be greater than zero"};

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
                             double vaf, const cLanguage& language)
    : platform_(platform), language_(language) {
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

const char* cFpReverseDlg::RadioLabel(Figure figure) {
    static const char* const kLabels[kFigureCount] = {
        "Unadjusted Function Points", "Adjusted Function Points", "Source Lines of Code"};
    return kLabels[figure];
}

std::string cFpReverseDlg::GetOutputText(Figure figure) const {
    return FormatNumber("%3.1lf", outputs_.at(figure));
}

std::string cFpReverseDlg::GetOriginalText(Figure figure) const {
    return FormatNumber("%3.1lf", originals_.at(figure));
}

void cFpReverseDlg::ShowInputs() {
    for (int figure = 0; figure < kFigureCount; ++figure)
        inputTexts_[figure] = FormatNumber("%3.7lf", inputs_[figure]);
}

bool cFpReverseDlg::Refuse(Figure figure, const char* message) {
    selected_ = focus_ = figure;
    platform_.ShowMessage(message);
    return false;
}

bool cFpReverseDlg::ReadInputs() {
    std::array<double, kFigureCount> values{};
    for (int i = 0; i < kFigureCount; ++i) {
        Figure figure = static_cast<Figure>(i);
        if (!IsPlainNumber(inputTexts_[i])) return Refuse(figure, kNotANumber);
        values[i] = ParseLeadingDouble(inputTexts_[i]);
        if (values[i] < 0.0) return Refuse(figure, kNegativeMessages[i]);
    }
    inputs_ = values;
    return true;
}

std::array<double, cFpReverseDlg::kFigureCount> cFpReverseDlg::Calculate() const {
    double multiplier = language_.GetMultiplier();
    std::array<double, kFigureCount> result{};
    switch (selected_) {
        case kUfp:
            result[kUfp] = inputs_[kUfp];
            result[kAfp] = vaf_ * result[kUfp];
            result[kSloc] = multiplier * result[kAfp];
            break;
        case kAfp:
            result[kAfp] = inputs_[kAfp];
            result[kUfp] = Quotient(result[kAfp], vaf_);
            result[kSloc] = multiplier * result[kAfp];
            break;
        default:
            result[kSloc] = inputs_[kSloc];
            result[kAfp] = Quotient(result[kSloc], multiplier);
            result[kUfp] = Quotient(result[kAfp], vaf_);
            break;
    }
    return result;
}

bool cFpReverseDlg::OnCalculate() {
    if (!ReadInputs()) return false;
    std::array<double, kFigureCount> result = Calculate();
    // A number too large for the model's figures is refused like any other bad number.
    for (double output : result) {
        if (!std::isfinite(output)) return Refuse(selected_, kNotANumber);
    }
    outputs_ = result;
    ShowInputs();
    return true;
}

bool cFpReverseDlg::OnRadio(Figure figure) {
    selected_ = figure;
    if (!ReadInputs()) return false;
    focus_ = figure;
    return OnCalculate();
}

void cFpReverseDlg::OnReset() {
    inputs_ = originals_;
    ShowInputs();
    selected_ = focus_ = kUfp;
    OnRadio(kUfp);
}

}  // namespace korval
