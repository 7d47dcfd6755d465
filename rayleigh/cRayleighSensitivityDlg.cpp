#include "rayleigh/cRayleighSensitivityDlg.h"

#include <optional>

#include "framework/DialogFieldCheck.h"
#include "rayleigh/RayleighFormulas.h"

namespace korval {

namespace {

// The edit of each radio button's row, in type order 0 to 3.
constexpr cRayleighSensitivityDlg::Field kRowOfType[] = {
    cRayleighSensitivityDlg::kSlocPercentField, cRayleighSensitivityDlg::kSchedulePercentField,
    cRayleighSensitivityDlg::kMeasurePercentField, cRayleighSensitivityDlg::kIndexStepsField};

bool IsRadioType(RayleighSensitivityType type) {
    int number = static_cast<int>(type);
    return number >= static_cast<int>(RayleighSensitivityType::Sloc) &&
           number <= static_cast<int>(RayleighSensitivityType::Index);
}

cRayleighSensitivityDlg::Field FieldOfType(RayleighSensitivityType type) {
    return kRowOfType[static_cast<int>(type)];
}

}  // namespace

cRayleighSensitivityDlg::cRayleighSensitivityDlg(cPlatformServices& platform, double slocPercent,
                                                 double schedulePercent, int measurePercent,
                                                 int indexSteps, double selectedIndex,
                                                 RayleighSensitivityType type)
    : platform_(platform),
      slocPercent_(slocPercent),
      schedulePercent_(schedulePercent),
      measurePercent_(measurePercent),
      indexSteps_(indexSteps) {
    texts_[kSlocPercentField] = FieldText(slocPercent);
    texts_[kSchedulePercentField] = FieldText(schedulePercent);
    texts_[kMeasurePercentField] = FieldText(measurePercent);
    texts_[kIndexStepsField] = FieldText(indexSteps);
    texts_[kSelectedIndexField] = FieldText(RoundToInt(selectedIndex));
    if (IsRadioType(type)) OnRadio(type);
}

void cRayleighSensitivityDlg::SetText(Field field, std::string text) {
    if (field == kSelectedIndexField || field == kFieldCount) return;
    texts_[field] = std::move(text);
}

bool cRayleighSensitivityDlg::IsEnabled(Field field) const {
    return checkedType_ && FieldOfType(*checkedType_) == field;
}

void cRayleighSensitivityDlg::OnRadio(RayleighSensitivityType type) {
    if (!IsRadioType(type)) return;
    checkedType_ = type;
    focus_ = FieldOfType(type);
}

bool cRayleighSensitivityDlg::OnOk() {
    // A refused field takes the focus, as the platform's own check leaves it.
    auto refuse = [this](Field field) {
        focus_ = field;
        return false;
    };
    std::optional<double> sloc = CheckNumberField(platform_, texts_[kSlocPercentField], 0.0, 100.0);
    if (!sloc) return refuse(kSlocPercentField);
    std::optional<double> schedule =
        CheckNumberField(platform_, texts_[kSchedulePercentField], 0.0, 100.0);
    if (!schedule) return refuse(kSchedulePercentField);
    std::optional<int> measure = CheckIntegerField(platform_, texts_[kMeasurePercentField], 0, 100);
    if (!measure) return refuse(kMeasurePercentField);
    std::optional<int> steps = CheckIntegerField(platform_, texts_[kIndexStepsField], 0, 10);
    if (!steps) return refuse(kIndexStepsField);
    // The selected type's PI must lie on the index scale for the steps to mean anything.
    if (!CheckIntegerField(platform_, texts_[kSelectedIndexField], 1, 40))
        return refuse(kSelectedIndexField);
    slocPercent_ = *sloc;
    schedulePercent_ = *schedule;
    measurePercent_ = *measure;
    indexSteps_ = *steps;
    return true;
}

}  // namespace korval
