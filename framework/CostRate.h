#pragma once

#include <string>
#include <string_view>

#include "framework/RangedFigure.h"

namespace korval {

// What a person-month of effort costs, in a currency the estimator names ("EUR"). A rate
// of 0 means the estimate is not priced: no cost is shown anywhere.
struct CostRate {
    // The largest rate a user can enter, as for the other inputs of the dialogs.
    static constexpr double kMaxRate = 999999999.0;
    // A currency is a code or a symbol ("EUR", "kr", "€"), never a phrase.
    static constexpr std::size_t kCurrencyLimit = 5;

    double rate = 0;
    std::string currency;

    // A rate that is not a number, negative or infinite (only a file can give one) is 0;
    // a rate above the largest a user can enter is that largest.
    static CostRate Checked(double rate, std::string currency);

    bool IsPriced() const { return rate > 0; }
    // The cost of an effort in person-months, each end of its range priced alike.
    RangedFigure CostOf(const RangedFigure& effort) const;
    double CostOf(double effort) const;

    bool operator==(const CostRate&) const = default;
};

// The [Cost] section of a model, project or system file. A file without it, or with a rate
// that is not a number, reads as rate 0; a missing currency reads as the given default.
CostRate ReadCostSection(const std::string& path, std::string_view defaultCurrency);
[[nodiscard]] bool WriteCostSection(const CostRate& cost, const std::string& path);
// The defaults profile's [Cost] Rate and Currency, kept while the profile is unchanged;
// rate 0 and no currency when the profile lacks them.
const CostRate& DefaultCostRate(const std::string& defaultsProfile);

// An amount in whole units of the currency with thousands grouped: "1,673,351 EUR".
std::string MoneyText(double amount, std::string_view currency);
// "11,500 EUR per person month".
std::string RateText(const CostRate& cost);

}  // namespace korval
