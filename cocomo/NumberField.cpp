#include "cocomo/NumberField.h"

#include "framework/NumberText.h"
#include "framework/cPlatformServices.h"

namespace korval {

std::string NumberFieldText(double value) {
    return FormatNumber("%.15g", value);
}

std::optional<double> CheckNumberField(std::string_view text, double minimum, double maximum,
                                       cPlatformServices& platform) {
    if (!IsWholeNumberText(text)) {
        platform.ShowMessage("Please enter a number.");
        return std::nullopt;
    }
    double value = ParseLeadingDouble(text);
    if (value < minimum || value > maximum) {
        platform.ShowMessage("Please enter a number between " + NumberFieldText(minimum) + " and " +
                             NumberFieldText(maximum) + ".");
        return std::nullopt;
    }
    return value;
}

}  // namespace korval
