#include "cocomo/cCocomoSensitivityDlg.h"

#include "framework/DialogFieldCheck.h"

namespace korval {

namespace {

bool IsField(int field) {
    return field >= 0 && field < cCocomoSensitivityDlg::kFieldCount;
}
bool IsType(CocomoSensitivityType type) {
    return IsField(cCocomoSensitivityDlg::FieldOf(type));
}

}  // namespace

cCocomoSensitivityDlg::cCocomoSensitivityDlg(cPlatformServices& platform, double slocPercent,
                                             double nominalPercent, double adjustedPercent,
                                             CocomoSensitivityType type)
    : platform_(platform),
      percents_{slocPercent, nominalPercent, adjustedPercent},
      selectedType_(IsType(type) ? type : CocomoSensitivityType::Sloc),
      focusField_(FieldOf(selectedType_)) {
    for (int field = 0; field < kFieldCount; ++field) {
        texts_[static_cast<std::size_t>(field)] =
            FieldText(percents_[static_cast<std::size_t>(field)]);
    }
}

const char* cCocomoSensitivityDlg::FieldLabel(int field) {
    static constexpr const char* kLabels[kFieldCount] = {
        "Source Lines of Code (SLOC)", "Nominal Person Months", "Adjusted Person Months"};
    return IsField(field) ? kLabels[field] : "";
}

const char* cCocomoSensitivityDlg::RadioLabel(CocomoSensitivityType type) {
    static constexpr const char* kLabels[kFieldCount] = {"SLOC", "Nom. Person Mon.",
                                                         "Adj. Person Mon."};
    return IsType(type) ? kLabels[FieldOf(type)] : "";
}

void cCocomoSensitivityDlg::SetFieldText(int field, std::string text) {
    if (IsField(field)) texts_[static_cast<std::size_t>(field)] = std::move(text);
}

void cCocomoSensitivityDlg::OnRadioType(CocomoSensitivityType type) {
    if (!IsType(type)) return;
    selectedType_ = type;
    focusField_ = FieldOf(type);
}

bool cCocomoSensitivityDlg::OnOk() {
    std::array<double, kFieldCount> accepted{};
    for (int field = 0; field < kFieldCount; ++field) {
        std::optional<double> percent =
            CheckNumberField(platform_, texts_[static_cast<std::size_t>(field)], 0, 100);
        if (!percent) {
            focusField_ = field;
            return false;
        }
        accepted[static_cast<std::size_t>(field)] = *percent;
    }
    percents_ = accepted;
    return true;
}

}  // namespace korval
