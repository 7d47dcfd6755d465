#pragma once

#include <string>

#include "cocomo/CocomoTables.h"
#include "framework/cDialogLogic.h"

namespace korval {

class cPlatformServices;

// COCOMO Attributes: development mode, model type and size. Only the intermediate model
// is offered, so confirming the dialog always sets the model type to Intermediate. Inside
// a project the size comes from the function point model and cannot be edited here.
class cCocomoAttributesDlg : public cDialogLogic {
  public:
    static constexpr double kMaxSourceLines = 999999999;
    static constexpr int kNoRadio = -1;

    // The model type always starts at Intermediate, whatever the document holds: Basic and
    // Advanced cannot be chosen. A negative size shows as 0.
    cCocomoAttributesDlg(cPlatformServices& platform, int mode, double sourceLines,
                         bool sourceLinesEditable);

    const char* Title() const override { return "COCOMO Attributes"; }
    int HelpTopic() const override { return 38; }
    // "Organic", "Semidetached", "Embedded" (group "Mode").
    static const char* ModeLabel(int mode);
    // "Basic", "Intermediate", "Advanced" (group "Model").
    static const char* ModelLabel(int model);
    static const char* SourceLinesLabel() { return "Source Lines of Code (SLOC):"; }

    // The selected mode radio; kNoRadio when the mode is none of the three.
    int GetSelectedMode() const { return selectedMode_; }
    void OnRadioMode(int mode);
    int GetSelectedModel() const { return selectedModel_; }
    bool IsModelRadioEnabled(int model) const { return model == kIntermediateModel; }
    void OnRadioModel(int model);

    const std::string& GetSourceLinesText() const { return sourceLinesText_; }
    // Ignored while the field is read-only.
    void SetSourceLinesText(std::string text);
    bool IsSourceLinesEnabled() const { return sourceLinesEditable_; }
    bool IsSourceLinesFocused() const { return sourceLinesFocused_; }

    // Checks the size (also when read-only); false (the dialog stays open, the focus in
    // the size) after telling the user.
    bool OnOk();

    // The accepted values (valid after OnOk returned true).
    int GetMode() const { return mode_; }
    int GetModelType() const { return modelType_; }
    double GetSourceLines() const { return sourceLines_; }

  private:
    cPlatformServices& platform_;
    int mode_;
    int modelType_ = kIntermediateModel;
    double sourceLines_;
    bool sourceLinesEditable_;
    int selectedMode_;
    int selectedModel_ = kIntermediateModel;
    std::string sourceLinesText_;
    bool sourceLinesFocused_ = false;
};

}  // namespace korval
