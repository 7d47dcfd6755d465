#pragma once

#include <optional>
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

    // The model type always starts at Intermediate, whatever the document holds: Basic and
    // Advanced cannot be chosen. A negative size shows as 0.
    cCocomoAttributesDlg(cPlatformServices& platform, DevelopmentMode mode, double sourceLines,
                         bool sourceLinesEditable);

    const char* Title() const override { return "COCOMO Attributes"; }
    int HelpTopic() const override { return 38; }
    // "Organic", "Semidetached", "Embedded" (group "Mode").
    static const char* ModeLabel(DevelopmentMode mode);
    // "Basic", "Intermediate", "Advanced" (group "Model").
    static const char* ModelLabel(ModelType model);
    static const char* SourceLinesLabel() { return "Source Lines of Code (SLOC):"; }

    // The selected mode radio; nothing when the mode is none of the three.
    std::optional<DevelopmentMode> GetSelectedMode() const { return selectedMode_; }
    void OnRadioMode(DevelopmentMode mode);
    ModelType GetSelectedModel() const { return selectedModel_; }
    bool IsModelRadioEnabled(ModelType model) const { return model == ModelType::Intermediate; }
    void OnRadioModel(ModelType model);

    const std::string& GetSourceLinesText() const { return sourceLinesText_; }
    // Ignored while the field is read-only.
    void SetSourceLinesText(std::string text);
    bool IsSourceLinesEnabled() const { return sourceLinesEditable_; }
    bool IsSourceLinesFocused() const { return sourceLinesFocused_; }

    // Checks the size (also when read-only); false (the dialog stays open, the focus in
    // the size) after telling the user.
    bool OnOk();

    // The accepted values (valid after OnOk returned true).
    DevelopmentMode GetMode() const { return mode_; }
    ModelType GetModelType() const { return modelType_; }
    double GetSourceLines() const { return sourceLines_; }

  private:
    cPlatformServices& platform_;
    DevelopmentMode mode_;
    ModelType modelType_ = ModelType::Intermediate;
    double sourceLines_;
    bool sourceLinesEditable_;
    std::optional<DevelopmentMode> selectedMode_;
    ModelType selectedModel_ = ModelType::Intermediate;
    std::string sourceLinesText_;
    bool sourceLinesFocused_ = false;
};

}  // namespace korval
