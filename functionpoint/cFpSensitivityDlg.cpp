#include "functionpoint/cFpSensitivityDlg.h"

#include "framework/DialogFieldCheck.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {

constexpr FunctionType kShownTypeOrder[kFunctionTypeCount] = {
    kExternalInput, kExternalOutput, kExternalInquiry, kExternalInterfaceFile,
    kInternalLogicalFile};

std::array<int, cFpSensitivityDlg::kFieldCount> MakeDisplayOrder() {
    std::array<int, cFpSensitivityDlg::kFieldCount> order{};
    std::size_t next = 0;
    for (FunctionType type : kShownTypeOrder) {
        for (int complexity = 0; complexity < kFunctionComplexityCount; ++complexity) {
            order[next++] = FunctionCellIndex(type, static_cast<FunctionComplexity>(complexity));
        }
    }
    for (FunctionType type : kShownTypeOrder) order[next++] = cFpSensitivityDlg::TypeField(type);
    order[next++] = cFpSensitivityDlg::kUnadjustedField;
    order[next] = cFpSensitivityDlg::kAdjustedField;
    return order;
}

int& SettingOfField(FpSensitivitySettings& settings, int field) {
    if (field < cFpSensitivityDlg::kFirstTypeField) return settings.cellPercentages.at(field);
    if (field < cFpSensitivityDlg::kUnadjustedField) {
        return settings.typePercentages.at(field - cFpSensitivityDlg::kFirstTypeField);
    }
    return field == cFpSensitivityDlg::kUnadjustedField ? settings.unadjustedPercentage
                                                        : settings.adjustedPercentage;
}

}  // namespace

cFpSensitivityDlg::cFpSensitivityDlg(cPlatformServices& platform,
                                     const FpSensitivitySettings& settings)
    : platform_(platform), settings_(settings), type_(settings.type) {
    for (int field = 0; field < kFieldCount; ++field)
        texts_[field] = std::to_string(SettingOfField(settings_, field));
    OnRadio(type_);
}

const std::array<int, cFpSensitivityDlg::kFieldCount>& cFpSensitivityDlg::DisplayOrder() {
    static const std::array<int, kFieldCount> order = MakeDisplayOrder();
    return order;
}

const char* cFpSensitivityDlg::RadioLabel(SensitivityType type) {
    switch (type) {
        case SensitivityType::DETAILS:
            return "Details";
        case SensitivityType::INTERM_TOT:
            return "Intermediate Totals";
        case SensitivityType::UNADJ_FP:
            return "Unadjusted FPs";
        default:
            return "Adjusted FPs";
    }
}

SensitivityType cFpSensitivityDlg::TypeOfField(int field) {
    if (field < kFirstTypeField) return SensitivityType::DETAILS;
    if (field < kUnadjustedField) return SensitivityType::INTERM_TOT;
    return field == kUnadjustedField ? SensitivityType::UNADJ_FP : SensitivityType::ADJ_FP;
}

bool cFpSensitivityDlg::IsFieldEnabled(int field) const {
    return TypeOfField(field) == type_;
}

void cFpSensitivityDlg::OnRadio(SensitivityType type) {
    type_ = type;
    for (int field : DisplayOrder()) {
        if (IsFieldEnabled(field)) {
            focusField_ = field;
            return;
        }
    }
}

bool cFpSensitivityDlg::OnOk() {
    FpSensitivitySettings settings;
    for (int field : DisplayOrder()) {
        std::optional<int> value = CheckIntegerField(platform_, texts_[field], 0, 100);
        if (!value) {
            focusField_ = field;
            return false;
        }
        SettingOfField(settings, field) = *value;
    }
    settings.type = type_;
    settings_ = settings;
    return true;
}

}  // namespace korval
