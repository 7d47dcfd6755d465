#pragma once

#include <optional>
#include <string>

#include "framework/cDialogLogic.h"
#include "rayleigh/RayleighSensitivityType.h"

namespace korval {

class cPlatformServices;

// "Rayleigh Sensitivity Adjustments": the four sensitivity inputs and the radio buttons
// that choose which of them varies. The rows follow the sensitivity types 0 to 3.
class cRayleighSensitivityDlg : public cDialogLogic {
  public:
    enum Field {
        kSlocPercentField,      // "Source Lines of Code (SLOC)" ... "%"
        kSchedulePercentField,  // "Time to Develop (TDEV)" ... "%"
        kMeasurePercentField,   // "Productivity Measure (PM)" ... "%"
        kIndexStepsField,       // "Productivity Index (PI)" "±" ...
        kSelectedIndexField,    // ... "from" the selected type's PI, read-only
        kFieldCount
    };

    cRayleighSensitivityDlg(cPlatformServices& platform, double slocPercent, double schedulePercent,
                            int measurePercent, int indexSteps, double selectedIndex,
                            RayleighSensitivityType type);

    const char* Title() const override { return "Rayleigh Sensitivity Adjustments"; }
    int HelpTopic() const override { return 230; }

    const std::string& GetText(Field field) const { return texts_[field]; }
    // The read-only field ignores typing.
    void SetText(Field field, std::string text);
    bool IsEnabled(Field field) const;
    // The radio button checked ("SLOC", "TDEV", "PM", "PI"); nothing for the project ranges,
    // which have no button.
    std::optional<RayleighSensitivityType> GetCheckedType() const { return checkedType_; }
    // The field holding the focus, or kFieldCount when none does.
    Field GetFocus() const { return focus_; }

    // A click on the radio button of a type; the project ranges have none.
    void OnRadio(RayleighSensitivityType type);
    // Checks every field; false (after the platform's message) keeps the dialog open.
    bool OnOk();

    // The values taken by a successful OnOk.
    double GetSlocPercent() const { return slocPercent_; }
    double GetSchedulePercent() const { return schedulePercent_; }
    int GetMeasurePercent() const { return measurePercent_; }
    int GetIndexSteps() const { return indexSteps_; }

  private:
    cPlatformServices& platform_;
    std::string texts_[kFieldCount];
    std::optional<RayleighSensitivityType> checkedType_;
    Field focus_ = kFieldCount;
    double slocPercent_ = 0.0;
    double schedulePercent_ = 0.0;
    int measurePercent_ = 0;
    int indexSteps_ = 0;
};

}  // namespace korval
