#include "cocomo/cCostDriverAttribute.h"

namespace korval {

namespace {

constexpr double kSmallestMultiplier = 0.01;

bool IsRating(int rating) {
    return rating >= 0 && rating < kRatingCount;
}

}  // namespace

cCostDriverAttribute::cCostDriverAttribute(std::string group, std::string name,
                                           const std::array<double, kRatingCount>& multipliers) {
    SetGroup(std::move(group));
    SetName(std::move(name));
    for (int rating = 0; rating < kRatingCount; ++rating)
        SetMultiplier(rating, multipliers[static_cast<std::size_t>(rating)]);
    current_ = multipliers_[kNominal];
}

double cCostDriverAttribute::GetMultiplier(int rating) const {
    return IsRating(rating) ? multipliers_[static_cast<std::size_t>(rating)] : 0;
}

void cCostDriverAttribute::SetMultiplier(int rating, double multiplier) {
    if (!IsRating(rating)) return;
    if (multiplier >= kSmallestMultiplier || multiplier == 0)
        multipliers_[static_cast<std::size_t>(rating)] = multiplier;
}

// A rating the attribute does not define (multiplier 0) can never be chosen, so a stored
// value of 0 never passes for a real rating.
bool cCostDriverAttribute::SetCurrentMultiplier(double multiplier) {
    if (multiplier == 0) return false;
    for (double defined : multipliers_) {
        if (defined == multiplier) {
            current_ = multiplier;
            return true;
        }
    }
    return false;
}

int cCostDriverAttribute::GetRating() const {
    if (current_ == 0) return kRatingUndefined;
    for (int rating = 0; rating < kRatingCount; ++rating) {
        if (multipliers_[static_cast<std::size_t>(rating)] == current_) return rating;
    }
    return kRatingUndefined;
}

std::string cCostDriverAttribute::RatingText() const {
    static constexpr const char* kTexts[kRatingCount] = {"Very Low  ", "Low       ", "Nominal   ",
                                                         "High      ", "Very High ", "Extra High"};
    int rating = GetRating();
    return rating == kRatingUndefined ? "?       " : kTexts[rating];
}

}  // namespace korval
