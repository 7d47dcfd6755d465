#include "framework/NumberText.h"

#include <locale.h>

#include <cctype>
#include <charconv>
#include <climits>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <vector>

namespace korval {

namespace {

locale_t CLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Length of the decimal number starting at text[start] ([sign] digits [. digits] [exponent]);
// 0 when there is none.
std::size_t DecimalLength(std::string_view text, std::size_t start) {
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i - start;
}

std::size_t SkipSpaces(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    return i;
}

}  // namespace

std::string FormatNumber(const char* format, ...) {
    locale_t previous = uselocale(CLocale());
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[128];
    int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string result;
    if (needed >= 0 && static_cast<std::size_t>(needed) < sizeof small) {
        result.assign(small, static_cast<std::size_t>(needed));
    } else if (needed >= 0) {
        std::vector<char> big(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(big.data(), big.size(), format, copy);
        result.assign(big.data(), static_cast<std::size_t>(needed));
    }
    va_end(copy);
    uselocale(previous);
    return result;
}

std::optional<double> TryParseLeadingDouble(std::string_view text) {
    std::size_t start = SkipSpaces(text);
    std::size_t length = DecimalLength(text, start);
    if (length == 0) return std::nullopt;
    std::size_t begin = start;
    if (text[begin] == '+') ++begin;  // from_chars takes no plus sign
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(text.data() + begin, text.data() + start + length, value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Overflow saturates at the largest double (never inf), underflow gives zero.
        std::string_view number = text.substr(start, length);
        std::size_t exponent = number.find_first_of("eE");
        bool underflow = exponent != std::string_view::npos && exponent + 1 < number.size() &&
                         number[exponent + 1] == '-';
        bool negative = number[0] == '-';
        if (underflow) return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    if (ec != std::errc()) return std::nullopt;
    return value;
}

double ParseLeadingDouble(std::string_view text) {
    return TryParseLeadingDouble(text).value_or(0.0);
}

std::optional<int> TryParseLeadingInt(std::string_view text) {
    std::size_t i = SkipSpaces(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

int ParseLeadingInt(std::string_view text) {
    return TryParseLeadingInt(text).value_or(0);
}

bool IsWholeNumberText(std::string_view text) {
    std::size_t start = SkipSpaces(text);
    std::size_t length = DecimalLength(text, start);
    if (length == 0) return false;
    for (std::size_t i = start + length; i < text.size(); ++i) {
        if (!IsSpace(text[i])) return false;
    }
    return true;
}

std::optional<std::string> WithHugeNumbersCapped(std::string_view text) {
    constexpr std::size_t kLongestWholePart = 15;
    auto digit = [&text](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));
    };
    std::string out;
    std::size_t copied = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (!digit(at)) {
            ++at;
            continue;
        }
        // The whole part, with the thousands separators the cost rows print.
        std::size_t end = at;
        std::size_t whole = 0;
        std::string plain;
        for (;;) {
            if (digit(end)) {
                plain += text[end++];
                ++whole;
            } else if (text[end] == ',' && digit(end + 1) && digit(end + 2) && digit(end + 3) &&
                       !digit(end + 4)) {
                ++end;
            } else {
                break;
            }
        }
        if (end < text.size() && text[end] == '.') {
            plain += text[end++];
            while (digit(end)) plain += text[end++];
        }
        if (whole > kLongestWholePart) {
            std::size_t start = at > 0 && text[at - 1] == '-' ? at - 1 : at;
            out.append(text.substr(copied, start - copied));
            out += FormatNumber("%.3g (out of range)",
                                (start < at ? -1 : 1) * ParseLeadingDouble(plain));
            copied = end;
        }
        at = end;
    }
    if (copied == 0) return std::nullopt;
    out.append(text.substr(copied));
    return out;
}

}  // namespace korval
