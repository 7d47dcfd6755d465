#pragma once

#include "framework/FilterState.h"
#include "framework/cDialogLogic.h"

namespace korval {

// Display Options: nine report switches. A box whose value is not applicable is hidden;
// on OK every box gives ON when checked and OFF when not (a hidden box gives OFF).
class cDisplayOptionsDlg : public cDialogLogic {
  public:
    enum Box {
        kDescriptionBox,         // "Description"
        kModelDescriptionsBox,   // "FP, COCOMO, and Rayleigh Descriptions"
        kPhaseDistributionBox,   // "COCOMO Phase Distribution"
        kIntermediateTotalsBox,  // "Intermediate Totals"
        kTotalsBox,              // "Totals"
        kSensitivityBox,         // "Sensitivity Analysis"
        kStaffingBox,            // "Staffing"
        kCostBox,                // "Cost"
        kChartsBox,              // "Charts"
        kBoxCount
    };
    static const char* Label(Box box);

    const char* Title() const override { return "Display Options"; }
    int HelpTopic() const override { return 41; }

    void SetValue(Box box, FilterState value);
    bool IsVisible(Box box) const { return visible_[box]; }
    bool IsChecked(Box box) const { return checked_[box]; }
    void SetChecked(Box box, bool checked);
    FilterState Result(Box box) const { return checked_[box] ? FilterState::On : FilterState::Off; }

  private:
    bool visible_[kBoxCount] = {};
    bool checked_[kBoxCount] = {};
};

}  // namespace korval
