#include "cocomo/cCocomoAttributesDlg.h"

#include "framework/DialogFieldCheck.h"

namespace korval {

namespace {

bool IsMode(int mode) {
    return mode >= 0 && mode < kDevelopmentModeCount;
}

}  // namespace

cCocomoAttributesDlg::cCocomoAttributesDlg(cPlatformServices& platform, int mode,
                                           double sourceLines, bool sourceLinesEditable)
    : platform_(platform),
      mode_(mode),
      sourceLines_(sourceLines < 0 ? 0 : sourceLines),
      sourceLinesEditable_(sourceLinesEditable),
      selectedMode_(IsMode(mode) ? mode : kNoRadio),
      sourceLinesText_(FieldText(sourceLines_)) {}

const char* cCocomoAttributesDlg::ModeLabel(int mode) {
    static constexpr const char* kLabels[kDevelopmentModeCount] = {"Organic", "Semidetached",
                                                                   "Embedded"};
    return IsMode(mode) ? kLabels[mode] : "";
}

const char* cCocomoAttributesDlg::ModelLabel(int model) {
    static constexpr const char* kLabels[3] = {"Basic", "Intermediate", "Advanced"};
    return model >= 0 && model < 3 ? kLabels[model] : "";
}

void cCocomoAttributesDlg::OnRadioMode(int mode) {
    if (IsMode(mode)) selectedMode_ = mode;
}

void cCocomoAttributesDlg::OnRadioModel(int model) {
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
    if (selectedModel_ != kNoRadio) modelType_ = selectedModel_;
    if (selectedMode_ != kNoRadio) mode_ = selectedMode_;
    return true;
}

}  // namespace korval
