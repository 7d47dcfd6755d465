#include "cocomo/cCocomoAttributesDlg.h"

#include "framework/DialogFieldCheck.h"

namespace korval {

cCocomoAttributesDlg::cCocomoAttributesDlg(cPlatformServices& platform, DevelopmentMode mode,
                                           double sourceLines, bool sourceLinesEditable)
    : platform_(platform),
      mode_(mode),
      sourceLines_(sourceLines < 0 ? 0 : sourceLines),
      sourceLinesEditable_(sourceLinesEditable),
      selectedMode_(IsKnownMode(mode) ? std::optional(mode) : std::nullopt),
      sourceLinesText_(FieldText(sourceLines_)) {}

const char* cCocomoAttributesDlg::ModeLabel(DevelopmentMode mode) {
    static constexpr const char* kLabels[kDevelopmentModeCount] = {"Organic", "Semidetached",
                                                                   "Embedded"};
    return IsKnownMode(mode) ? kLabels[ModeIndex(mode)] : "";
}

const char* cCocomoAttributesDlg::ModelLabel(ModelType model) {
    static constexpr const char* kLabels[3] = {"Basic", "Intermediate", "Advanced"};
    int index = static_cast<int>(model);
    return index >= 0 && index < 3 ? kLabels[index] : "";
}

void cCocomoAttributesDlg::OnRadioMode(DevelopmentMode mode) {
    if (IsKnownMode(mode)) selectedMode_ = mode;
}

void cCocomoAttributesDlg::OnRadioModel(ModelType model) {
    if (IsModelRadioEnabled(model)) selectedModel_ = model;
}

void cCocomoAttributesDlg::SetSourceLinesText(std::string text) {
    if (sourceLinesEditable_) sourceLinesText_ = std::move(text);
}

bool cCocomoAttributesDlg::OnOk() {
    std::optional<double> size = CheckNumberField(platform_, sourceLinesText_, 0, kMaxSourceLines);
    if (!size) {
        sourceLinesFocused_ = true;
        return false;
    }
    sourceLines_ = *size;
    modelType_ = selectedModel_;
    if (selectedMode_) mode_ = *selectedMode_;
    return true;
}

}  // namespace korval
