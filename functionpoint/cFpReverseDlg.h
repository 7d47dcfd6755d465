#pragma once

#include <array>
#include <string>

#include "framework/cDialogLogic.h"
#include "functionpoint/cLanguage.h"

namespace korval {

class cPlatformServices;

// The function point what-if calculator: from a target number of unadjusted function
// points, adjusted function points or source lines it works out the other two with the
// model's value adjustment factor and language multiplier. It never changes the model.
class cFpReverseDlg : public cDialogLogic {
  public:
    enum Figure { kUfp, kAfp, kSloc, kFigureCount };

    // Prepares and opens the calculator on the model's figures. A value adjustment factor
    // outside 0.65..1.35 is reported and replaced by 1.0.
    cFpReverseDlg(cPlatformServices& platform, double ufp, double afp, double sloc, double vaf,
                  const cLanguage& language);

    const char* Title() const override { return "Function Point Reverse Engineering"; }
    int HelpTopic() const override { return 246; }

    // "Unadjusted Function Points", "Adjusted Function Points", "Source Lines of Code".
    static const char* RadioLabel(Figure figure);

    const std::string& GetInputText(Figure figure) const { return inputTexts_.at(figure); }
    void SetInputText(Figure figure, std::string text) { inputTexts_.at(figure) = std::move(text); }
    bool IsInputEnabled(Figure figure) const { return figure == selected_; }
    Figure GetSelectedFigure() const { return selected_; }
    Figure GetFocusField() const { return focus_; }
    std::string GetOutputText(Figure figure) const;
    std::string GetOriginalText(Figure figure) const;
    double GetOutput(Figure figure) const { return outputs_.at(figure); }
    const std::string& GetLanguageText() const { return languageText_; }
    double GetValueAdjustmentFactor() const { return vaf_; }

    // The buttons. False when an input was refused (with its message).
    bool OnRadio(Figure figure);
    bool OnCalculate();
    void OnReset();

  private:
    bool ReadInputs();
    bool Refuse(Figure figure, const char* message);
    std::array<double, kFigureCount> Calculate() const;
    void ShowInputs();

    cPlatformServices& platform_;
    std::array<double, kFigureCount> inputs_{};
    std::array<double, kFigureCount> outputs_{};
    std::array<double, kFigureCount> originals_{};
    std::array<std::string, kFigureCount> inputTexts_;
    double vaf_ = 1.0;
    cLanguage language_;
    std::string languageText_;
    Figure selected_ = kUfp;
    Figure focus_ = kUfp;
};

}  // namespace korval
