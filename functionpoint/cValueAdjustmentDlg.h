#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/cDialogLogic.h"
#include "functionpoint/FunctionPointCells.h"
#include "functionpoint/FunctionPointFormulas.h"

namespace korval {

// The Value Adjustment Factor dialog: one row of six radio buttons (None .. Strong, the
// ratings 0..5) for each of the 14 general system characteristics.
class cValueAdjustmentDlg : public cDialogLogic {
  public:
    using Ratings = std::array<int, kSystemCharacteristicCount>;
    static constexpr int kRatingCount = 6;

    // A rating outside 1..5 opens with "None" selected.
    explicit cValueAdjustmentDlg(const Ratings& ratings);

    const char* Title() const override { return "Value Adjustment Factor"; }
    int HelpTopic() const override { return 35; }

    // "None", "Insignificant", "Moderate", "Average", "Significant", "Strong".
    static const char* RatingLabel(int rating);
    // "Data Communications:", ...
    static const char* RowLabel(int characteristic);

    // The position 0..5 of the selected radio button of a row.
    int GetSelection(int characteristic) const { return selection_.at(characteristic); }
    // Clicks a radio button; a position outside 0..5 is ignored.
    void Select(int characteristic, int rating);

    // The factor a total degree of influence gives: 0.65 + 0.01 per degree.
    static double FactorOf(std::int64_t totalDegree) {
        return ValueAdjustmentFactorFor(static_cast<double>(totalDegree));
    }
    // The running total of the fourteen selections and the factor it gives, shown as the
    // user clicks: "Total Degree of Influence: 37    Value Adjustment Factor: 1.02".
    int TotalDegreeOfInfluence() const;
    std::string TotalText() const;

    bool OnOk() { return true; }
    // The ratings as selected.
    const Ratings& GetRatings() const { return selection_; }

  private:
    Ratings selection_{};
};

}  // namespace korval
