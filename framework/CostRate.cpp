#include "framework/CostRate.h"

#include <cmath>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cProfileMemo.h"

namespace korval {

namespace {

constexpr const char* kCostSection = "Cost";
constexpr const char* kRateKey = "Rate";
constexpr const char* kCurrencyKey = "Currency";
constexpr std::size_t kRateBuffer = 40;
// Room for a few multi-byte characters; the text is cut to the limit after reading.
constexpr std::size_t kCurrencyBuffer = 40;

// "1673351" -> "1,673,351"; a leading minus sign stays in front.
std::string GroupThousands(const std::string& digits) {
    std::size_t start = !digits.empty() && digits[0] == '-' ? 1 : 0;
    std::string grouped = digits.substr(0, start);
    std::size_t count = digits.size() - start;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += ',';
        grouped += digits[start + i];
    }
    return grouped;
}

std::string WithCurrency(std::string amount, std::string_view currency) {
    if (currency.empty()) return amount;
    return amount + " " + PrintableText(currency);
}

CostRate ReadCost(const std::string& path, std::string_view defaultCurrency) {
    std::string rateText = ReadProfileValue(kCostSection, kRateKey, "", kRateBuffer, path);
    std::string currency =
        Trim(ReadProfileValue(kCostSection, kCurrencyKey, defaultCurrency, kCurrencyBuffer, path));
    double rate = TryParseLeadingDouble(rateText).value_or(0.0);
    return CostRate::Checked(rate, CutToChars(currency, CostRate::kCurrencyLimit));
}

}  // namespace

CostRate CostRate::Checked(double rate, std::string currency) {
    bool usable = std::isfinite(rate) && rate > 0;
    return {usable ? std::min(rate, kMaxRate) : 0.0, std::move(currency)};
}

RangedFigure CostRate::CostOf(const RangedFigure& effort) const {
    return {CostOf(effort.value), CostOf(effort.low), CostOf(effort.high)};
}

double CostRate::CostOf(double effort) const {
    return FiniteFigure(FiniteFigure(effort) * rate);
}

CostRate ReadCostSection(const std::string& path, std::string_view defaultCurrency) {
    return ReadCost(path, defaultCurrency);
}

bool WriteCostSection(const CostRate& cost, const std::string& path) {
    return WriteProfileValue(kCostSection, kRateKey, FormatNumber("%.2f", cost.rate), path) &&
           WriteProfileValue(kCostSection, kCurrencyKey, cost.currency, path);
}

const CostRate& DefaultCostRate(const std::string& defaultsProfile) {
    static cProfileMemo<CostRate> defaults;
    return defaults.Get(defaultsProfile, [&] { return ReadCost(defaultsProfile, ""); });
}

std::string MoneyText(double amount, std::string_view currency) {
    return WithCurrency(GroupThousands(FormatNumber("%.0f", FiniteFigure(amount))), currency);
}

std::string RateText(const CostRate& cost) {
    std::string text = FormatNumber("%.2f", cost.rate);
    std::size_t point = text.find('.');
    std::string whole = GroupThousands(text.substr(0, point));
    std::string cents = text.substr(point);
    if (cents != ".00") whole += cents;
    return WithCurrency(whole, cost.currency) + " per person month";
}

}  // namespace korval
