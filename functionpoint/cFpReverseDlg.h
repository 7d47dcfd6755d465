#pragma once

#include <array>
#include <string>

#include "framework/cDialogLogic.h"
#include "framework/cProbabilitySolve.h"
#include "functionpoint/cLanguage.h"

namespace korval {

class cPlatformServices;

// The function point what-if calculator: from a target number of unadjusted function
// points, adjusted function points or source lines it works out the other two with the
// model's value adjustment factor and language multiplier. A function point model estimates
// size, not effort, so its "Solve for probability" group gives the adjusted function points
// and source lines that a probability of the simulated trials stay within. It never
// changes the model.
class cFpReverseDlg : public cDialogLogic {
  public:
    enum Row { kUfpRow, kAfpRow, kSlocRow, kRowCount };

    // Prepares and opens the calculator on the model's figures. A value adjustment factor
    // outside 0.65..1.35 is reported and replaced by 1.0.
    // fetch reads the model's simulation; without one the group says it has none.
    cFpReverseDlg(cPlatformServices& platform, double ufp, double afp, double sloc, double vaf,
                  const cLanguage& language, cProbabilitySolve::Fetch fetch = {});

    const char* Title() const override { return "Function Point Reverse Engineering"; }
    int HelpTopic() const override { return 246; }

    // "Unadjusted Function Points", "Adjusted Function Points", "Source Lines of Code".
    static const char* RadioLabel(Row row);

    const std::string& GetInputText(Row row) const { return inputTexts_.at(row); }
    void SetInputText(Row row, std::string text) { inputTexts_.at(row) = std::move(text); }
    // The row whose input the calculation starts from; only its input can be edited.
    Row GetModifyRow() const { return modify_; }
    bool IsInputEnabled(Row row) const { return row == modify_; }
    // The input holding the focus.
    Row GetFocusRow() const { return focus_; }
    std::string GetOutputText(Row row) const;
    std::string GetOriginalText(Row row) const;
    double GetOutput(Row row) const { return outputs_.at(row); }
    double GetOriginal(Row row) const { return originals_.at(row); }
    const std::string& GetLanguageText() const { return languageText_; }
    double GetValueAdjustmentFactor() const { return vaf_; }

    // The buttons. False when an input was refused (with its message).
    bool OnModifyRadio(Row row);
    bool OnCalculate();
    void OnReset();

    // Adjusted function points, then source lines; the Output column's are the targets.
    cProbabilitySolve& Probability() { return probability_; }
    const cProbabilitySolve& Probability() const { return probability_; }

  private:
    bool ReadInputs();
    bool Refuse(Row row, const std::string& message);
    std::array<double, kRowCount> Calculate() const;
    void ShowInputs();

    cPlatformServices& platform_;
    std::array<double, kRowCount> inputs_{};
    std::array<double, kRowCount> outputs_{};
    std::array<double, kRowCount> originals_{};
    std::array<std::string, kRowCount> inputTexts_;
    double vaf_ = 1.0;
    cLanguage language_;
    std::string languageText_;
    Row modify_ = kUfpRow;
    Row focus_ = kUfpRow;
    cProbabilitySolve probability_;
};

}  // namespace korval
