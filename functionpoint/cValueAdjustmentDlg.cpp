#include "functionpoint/cValueAdjustmentDlg.h"

#include "framework/NumberText.h"

namespace korval {

cValueAdjustmentDlg::cValueAdjustmentDlg(const Ratings& ratings) {
    for (int i = 0; i < kSystemCharacteristicCount; ++i) {
        selection_[i] = (ratings[i] >= 1 && ratings[i] < kRatingCount) ? ratings[i] : 0;
    }
}

const char* cValueAdjustmentDlg::RatingLabel(int rating) {
    static const char* const kLabels[kRatingCount] = {"None",    "Insignificant", "Moderate",
                                                      "Average", "Significant",   "Strong"};
    return (rating >= 0 && rating < kRatingCount) ? kLabels[rating] : "";
}

const char* cValueAdjustmentDlg::RowLabel(int characteristic) {
    return SystemCharacteristicLabel(characteristic).data();
}

void cValueAdjustmentDlg::Select(int characteristic, int rating) {
    if (rating >= 0 && rating < kRatingCount) selection_.at(characteristic) = rating;
}

int cValueAdjustmentDlg::TotalDegreeOfInfluence() const {
    int total = 0;
    for (int rating : selection_) total += rating;
    return total;
}

std::string cValueAdjustmentDlg::TotalText() const {
    int total = TotalDegreeOfInfluence();
    return FormatNumber("Total Degree of Influence: %d    Value Adjustment Factor: %.2f", total,
                        FactorOf(total));
}

}  // namespace korval
