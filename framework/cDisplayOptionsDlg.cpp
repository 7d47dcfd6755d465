#include "framework/cDisplayOptionsDlg.h"

namespace korval {

const char* cDisplayOptionsDlg::Label(Box box) {
    static const char* const kLabels[kBoxCount] = {"Description",
                                                   "FP, COCOMO, and Rayleigh Descriptions",
                                                   "COCOMO Phase Distribution",
                                                   "Intermediate Totals",
                                                   "Totals",
                                                   "Sensitivity Analysis",
                                                   "Staffing",
                                                   "Cost",
                                                   "Charts"};
    return kLabels[box];
}

void cDisplayOptionsDlg::SetValue(Box box, FilterState value) {
    visible_[box] = value != FilterState::NotApplicable;
    checked_[box] = value == FilterState::On;
}

void cDisplayOptionsDlg::SetChecked(Box box, bool checked) {
    if (visible_[box]) checked_[box] = checked;
}

}  // namespace korval
