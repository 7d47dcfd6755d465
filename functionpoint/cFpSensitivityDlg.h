#pragma once

#include <array>
#include <string>

#include "framework/cDialogLogic.h"
#include "functionpoint/FpSensitivity.h"

namespace korval {

class cPlatformServices;

// The Function Point Sensitivity Adjustments dialog: 22 percentage fields and the four
// radio buttons of the sensitivity type. Only the fields of the selected type are
// enabled; the others keep their values and are saved unchanged.
class cFpSensitivityDlg : public cDialogLogic {
  public:
    // Fields: the 15 cell percentages by cell index, then the five type percentages in
    // type order, then the unadjusted and the adjusted total.
    static constexpr int kFirstTypeField = kFunctionCellCount;
    static constexpr int kUnadjustedField = kFirstTypeField + kFunctionTypeCount;
    static constexpr int kAdjustedField = kUnadjustedField + 1;
    static constexpr int kFieldCount = kAdjustedField + 1;
    static constexpr int TypeField(FunctionType type) { return kFirstTypeField + type; }

    cFpSensitivityDlg(cPlatformServices& platform, const FpSensitivitySettings& settings);

    const char* Title() const override { return "Function Point Sensitivity Adjustments"; }
    int HelpTopic() const override { return 228; }

    // The fields in the order the dialog shows them (and checks them): the detail boxes
    // External Input, External Output, External Inquiry, External Interface File, Internal
    // Logical File, then the intermediate totals in the same order, then the two totals.
    static const std::array<int, kFieldCount>& DisplayOrder();
    // "Details", "Intermediate Totals", "Unadjusted FPs", "Adjusted FPs".
    static const char* RadioLabel(SensitivityType type);

    const std::string& GetFieldText(int field) const { return texts_.at(field); }
    void SetFieldText(int field, std::string text) { texts_.at(field) = std::move(text); }
    bool IsFieldEnabled(int field) const;
    SensitivityType GetType() const { return type_; }
    // The field the focus is in: the first enabled one after a radio click, the refused
    // one after a failed OK.
    int GetFocusField() const { return focusField_; }

    // Selects the type and enables only its fields.
    void OnRadio(SensitivityType type);
    // Every field, enabled or not, must hold an integer 0..100; false keeps the dialog open.
    bool OnOk();
    const FpSensitivitySettings& GetSettings() const { return settings_; }

  private:
    static SensitivityType TypeOfField(int field);

    cPlatformServices& platform_;
    FpSensitivitySettings settings_;
    std::array<std::string, kFieldCount> texts_;
    SensitivityType type_;
    int focusField_ = -1;
};

}  // namespace korval
