#include "framework/DialogFieldCheck.h"

#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {

std::optional<int> ParseWholeInteger(std::string_view text) {
    std::string trimmed = Trim(text);
    std::size_t digits = (!trimmed.empty() && (trimmed[0] == '-' || trimmed[0] == '+')) ? 1 : 0;
    if (digits == trimmed.size()) return std::nullopt;
    for (std::size_t i = digits; i < trimmed.size(); ++i) {
        if (trimmed[i] < '0' || trimmed[i] > '9') return std::nullopt;
    }
    return TryParseLeadingInt(trimmed);
}

}  // namespace

std::optional<int> CheckIntegerField(cPlatformServices& platform, std::string_view text, int min,
                                     int max) {
    std::optional<int> value = ParseWholeInteger(text);
    if (!value) {
        platform.ShowMessage("Please enter an integer.");
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        platform.ShowMessage(FormatNumber("Please enter an integer between %d and %d.", min, max));
        return std::nullopt;
    }
    return value;
}

std::optional<double> CheckNumberField(cPlatformServices& platform, std::string_view text,
                                       double min, double max) {
    if (!IsWholeNumberText(text)) {
        platform.ShowMessage(kNotANumberMessage);
        return std::nullopt;
    }
    double value = ParseLeadingDouble(text);
    if (value < min || value > max) {
        platform.ShowMessage("Please enter a number between " + FieldText(min) + " and " +
                             FieldText(max) + ".");
        return std::nullopt;
    }
    return value;
}

std::string NumberFieldProblem(std::string_view text, std::string_view what, NumberRule rule) {
    if (!IsWholeNumberText(text)) return kNotANumberMessage;
    double value = ParseLeadingDouble(text);
    switch (rule) {
        case NumberRule::GreaterThanZero:
            if (!(value > 0.0)) return std::string(what) + " must be greater than zero.";
            break;
        case NumberRule::NotNegative:
            if (value < 0.0) return std::string(what) + " cannot be negative.";
            break;
    }
    return {};
}

std::string FigureFieldText(double value) {
    return FormatNumber("%.1f", value);
}

double FigureFieldValue(std::string_view text, double shown) {
    return text == FigureFieldText(shown) ? shown : ParseLeadingDouble(text);
}

std::string FieldText(double value) {
    return FormatNumber("%.15g", value);
}

std::string FieldText(int value) {
    return FormatNumber("%d", value);
}

}  // namespace korval
