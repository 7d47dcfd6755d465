#pragma once

#include <array>
#include <string>

#include "cocomo/CocomoTables.h"
#include "framework/cDialogLogic.h"

namespace korval {

class cPlatformServices;

// COCOMO Sensitivity Adjustments: which quantity is uncertain (size, nominal effort or
// adjusted effort) and by what percentage. Only the field of the chosen quantity is
// enabled, but OK checks all three.
class cCocomoSensitivityDlg : public cDialogLogic {
  public:
    // One percentage field per sensitivity type, in type order.
    enum Field { kSlocField, kNominalField, kAdjustedField };
    static constexpr int kFieldCount = 3;
    static Field FieldOf(CocomoSensitivityType type) {
        return static_cast<Field>(static_cast<int>(type));
    }

    cCocomoSensitivityDlg(cPlatformServices& platform, double slocPercent, double nominalPercent,
                          double adjustedPercent, CocomoSensitivityType type);

    const char* Title() const override { return "COCOMO Sensitivity Adjustments"; }
    int HelpTopic() const override { return 229; }
    // "Source Lines of Code (SLOC)", "Nominal Person Months", "Adjusted Person Months".
    static const char* FieldLabel(int field);
    // "SLOC", "Nom. Person Mon.", "Adj. Person Mon.".
    static const char* RadioLabel(CocomoSensitivityType type);

    const std::string& GetFieldText(int field) const {
        return texts_[static_cast<std::size_t>(field)];
    }
    void SetFieldText(int field, std::string text);
    bool IsFieldEnabled(int field) const { return field == FieldOf(selectedType_); }
    // The field with the focus.
    int GetFocusField() const { return focusField_; }

    CocomoSensitivityType GetSelectedType() const { return selectedType_; }
    // Choosing a radio enables and focuses its field and disables the other two.
    void OnRadioType(CocomoSensitivityType type);

    // Checks the three fields in order; false (the dialog stays open, the focus in the
    // offending field) after telling the user what is wrong.
    bool OnOk();

    // The accepted values (valid after OnOk returned true).
    double GetPercent(int field) const { return percents_[static_cast<std::size_t>(field)]; }
    CocomoSensitivityType GetType() const { return selectedType_; }

  private:
    cPlatformServices& platform_;
    std::array<std::string, kFieldCount> texts_;
    std::array<double, kFieldCount> percents_{};
    CocomoSensitivityType selectedType_;
    int focusField_;
};

}  // namespace korval
