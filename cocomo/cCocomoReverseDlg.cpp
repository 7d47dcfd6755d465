#include "cocomo/cCocomoReverseDlg.h"

#include <cmath>

#include "cocomo/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {

constexpr double kMaxTimeToDevelop = 10000;
constexpr const char* kNotANumberMessage = "Please enter a valid floating point number";

bool IsQuantity(int quantity) {
    return quantity >= 0 && quantity < cCocomoReverseDlg::kQuantityCount;
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

struct ValueCheck {
    double maximum;
    const char* message;
};

ValueCheck ValueCheckOf(int quantity) {
    static constexpr double kNoMaximum = HUGE_VAL;
    switch (quantity) {
        case cCocomoReverseDlg::kSourceLines:
            return {kNoMaximum, "Source lines of code must be greater than zero"};
        case cCocomoReverseDlg::kNominalEffort:
            return {kNoMaximum, "Nominal person months must be greater than zero"};
        case cCocomoReverseDlg::kAdjustedEffort:
            return {kNoMaximum, "Adjusted person months must be greater than zero"};
        default:
            return {kMaxTimeToDevelop, "Time to develop must be between 0.0 and 10000.0 months"};
    }
}

std::string ReadOnlyText(double value) {
    return FormatNumber("%3.1lf", value);
}

}  // namespace

cCocomoReverseDlg::cCocomoReverseDlg(cPlatformServices& platform, const Values& starting,
                                     double effortAdjustmentFactor, const ModeConstants& constants)
    : platform_(platform),
      starting_(starting),
      inputs_(starting),
      outputs_(starting),
      factor_(effortAdjustmentFactor),
      constants_(constants) {
    OnReset();
}

const char* cCocomoReverseDlg::RadioLabel(int quantity) {
    static constexpr const char* kLabels[kQuantityCount] = {
        "Source Lines of Code", "Nominal Person Months", "Adjusted Person Months",
        "Time to Develop"};
    return IsQuantity(quantity) ? kLabels[quantity] : "";
}

const char* cCocomoReverseDlg::ColumnHeading(int column) {
    static constexpr const char* kHeadings[3] = {"Input", "Output", "Original"};
    return column >= 0 && column < 3 ? kHeadings[column] : "";
}

void cCocomoReverseDlg::SetInputText(int quantity, std::string text) {
    if (IsInputEnabled(quantity)) inputTexts_[Slot(quantity)] = std::move(text);
}

std::string cCocomoReverseDlg::GetOutputText(int quantity) const {
    return ReadOnlyText(GetOutput(quantity));
}

std::string cCocomoReverseDlg::GetOriginalText(int quantity) const {
    return ReadOnlyText(GetOriginal(quantity));
}

void cCocomoReverseDlg::ShowFields() {
    for (int quantity = 0; quantity < kQuantityCount; ++quantity) {
        inputTexts_[Slot(quantity)] = FormatNumber("%3.7lf", inputs_[Slot(quantity)]);
    }
}

// A text that does not convert leaves its value as it was; the check that follows
// refuses it.
void cCocomoReverseDlg::ReadInputs() {
    for (int quantity = 0; quantity < kQuantityCount; ++quantity) {
        if (std::optional<double> value = TryParseLeadingDouble(inputTexts_[Slot(quantity)])) {
            inputs_[Slot(quantity)] = FiniteFigure(*value);
        }
    }
}

void cCocomoReverseDlg::Select(int quantity) {
    selected_ = quantity;
    focus_ = quantity;
}

bool cCocomoReverseDlg::ValidateInputs() {
    for (int quantity = 0; quantity < kQuantityCount; ++quantity) {
        const char* message = nullptr;
        double value = inputs_[Slot(quantity)];
        ValueCheck check = ValueCheckOf(quantity);
        if (!IsPlainNumberText(inputTexts_[Slot(quantity)])) {
            message = kNotANumberMessage;
        } else if (value < 0 || value > check.maximum) {
            message = check.message;
        }
        if (message) {
            Select(quantity);
            platform_.ShowMessage(message);
            return false;
        }
    }
    return true;
}

void cCocomoReverseDlg::OnReset() {
    inputs_ = starting_;
    ShowFields();
    selected_ = kSourceLines;
    OnRadio(kSourceLines);
    ShowFields();
    focus_ = kSourceLines;
}

void cCocomoReverseDlg::OnRadio(int quantity) {
    if (!IsQuantity(quantity)) return;
    ReadInputs();
    if (!ValidateInputs()) return;
    Select(quantity);
    OnCalculate();
    ShowFields();
}

bool cCocomoReverseDlg::OnCalculate() {
    ReadInputs();
    if (!ValidateInputs()) return false;
    focus_ = selected_;
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
    double& sloc = outputs_[kSourceLines];
    double& nominal = outputs_[kNominalEffort];
    double& adjusted = outputs_[kAdjustedEffort];
    double& time = outputs_[kTimeToDevelop];
    switch (selected_) {
        case kSourceLines:
            sloc = inputs_[kSourceLines];
            nominal = FiniteFigure(c.a * std::pow(sloc * 0.001, c.b));
            adjusted = FiniteFigure(factor_ * nominal);
            time = schedule(adjusted);
            break;
        case kNominalEffort:
            nominal = inputs_[kNominalEffort];
            adjusted = FiniteFigure(factor_ * nominal);
            time = schedule(adjusted);
            sloc = SourceLinesFromNominal(nominal);
            break;
        case kAdjustedEffort:
            adjusted = inputs_[kAdjustedEffort];
            time = schedule(adjusted);
            nominal = nominalFromAdjusted(adjusted);
            sloc = SourceLinesFromNominal(nominal);
            break;
        case kTimeToDevelop:
            time = inputs_[kTimeToDevelop];
            adjusted = time != 0 && c.tm != 0 && c.te != 0
                           ? FiniteFigure(std::pow(time / c.tm, 1 / c.te))
                           : 0;
            nominal = nominalFromAdjusted(adjusted);
            sloc = SourceLinesFromNominal(nominal);
            break;
        default:
            break;
    }
}

}  // namespace korval
