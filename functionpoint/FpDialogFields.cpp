#include "functionpoint/FpDialogFields.h"

#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"

namespace korval::fp {

namespace {
// More digits than any field accepts; longer numbers are out of range whatever they are.
constexpr std::size_t kMaxDigits = 18;
}  // namespace

std::string IntegerMessage() {
    return "Please enter an integer.";
}

std::string IntegerRangeMessage(int min, int max) {
    return FormatNumber("Please enter an integer between %d and %d.", min, max);
}

std::optional<long long> ParseIntegerText(std::string_view text) {
    std::string trimmed = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-'))
        negative = trimmed[i++] == '-';
    if (i == trimmed.size()) return std::nullopt;
    long long value = 0;
    std::size_t digits = 0;
    for (; i < trimmed.size(); ++i) {
        char c = trimmed[i];
        if (c < '0' || c > '9') return std::nullopt;
        if (value != 0 || c != '0') ++digits;
        if (digits <= kMaxDigits) value = value * 10 + (c - '0');
    }
    if (digits > kMaxDigits) value = 1000000000000000000LL;
    return negative ? -value : value;
}

std::optional<int> ReadIntegerField(std::string_view text, int min, int max,
                                    cPlatformServices& platform) {
    std::optional<long long> value = ParseIntegerText(text);
    if (!value) {
        platform.ShowMessage(IntegerMessage());
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        platform.ShowMessage(IntegerRangeMessage(min, max));
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

}  // namespace korval::fp
