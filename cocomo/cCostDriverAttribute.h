#pragma once

#include <array>
#include <string>

#include "cocomo/CocomoTables.h"
#include "cocomo/FiniteFigure.h"

namespace korval {

// One cost driver attribute: its group, its name, the effort multiplier of each of the six
// ratings (0 where the rating is not defined) and the multiplier of the chosen rating.
// The chosen rating is kept only as its multiplier.
class cCostDriverAttribute {
  public:
    // Empty texts and all seven numbers 0.
    cCostDriverAttribute() = default;
    // Group, name and multipliers through the setters; the attribute starts at Nominal.
    cCostDriverAttribute(std::string group, std::string name,
                         const std::array<double, kRatingCount>& multipliers);

    const std::string& GetGroup() const { return group_; }
    const std::string& GetName() const { return name_; }
    void SetGroup(std::string group) { group_ = std::move(group); }
    void SetName(std::string name) { name_ = std::move(name); }

    double GetMultiplier(int rating) const;
    // Stores 0 or a value of at least 0.01; any other value is ignored.
    void SetMultiplier(int rating, double multiplier);
    bool IsRatingDefined(int rating) const { return GetMultiplier(rating) != 0; }

    double GetCurrentMultiplier() const { return current_; }
    // Chooses the rating with exactly this multiplier; false (nothing changes) when no
    // defined rating has it.
    bool SetCurrentMultiplier(double multiplier);

    // The first defined rating whose multiplier equals the current one, or kRatingUndefined.
    int GetRating() const;
    // Ten characters for the Cost Driver Attributes list: "Very Low  ", ..., "Extra High",
    // or "?       " when the rating is undefined.
    std::string RatingText() const;

    // The effort adjustment factor of a set of attributes: the product of their current
    // multipliers, 0 for none.
    template <class Attributes>
    static double EffortAdjustmentFactor(const Attributes& attributes);

  private:
    std::string group_;
    std::string name_;
    std::array<double, kRatingCount> multipliers_{};
    double current_ = 0;
};

template <class Attributes>
double cCostDriverAttribute::EffortAdjustmentFactor(const Attributes& attributes) {
    if (attributes.empty()) return 0;
    double factor = 1;
    for (const cCostDriverAttribute& attribute : attributes)
        factor = FiniteFigure(factor * attribute.GetCurrentMultiplier());
    return factor;
}

}  // namespace korval
