#pragma once

#include <array>
#include <string>

#include "cocomo/CocomoTables.h"
#include "framework/cDialogLogic.h"

namespace korval {

class cPlatformServices;

// COCOMO Reverse Engineering: a what-if calculator. From any one of size, nominal effort,
// adjusted effort or time to develop it derives the other three with the model's
// equations, forwards or backwards, using the effort adjustment factor and the mode
// constants taken when it opened. It never changes the document.
class cCocomoReverseDlg : public cDialogLogic {
  public:
    enum Quantity { kSourceLines, kNominalEffort, kAdjustedEffort, kTimeToDevelop };
    static constexpr int kQuantityCount = 4;
    using Values = std::array<double, kQuantityCount>;

    // Opens with the document's figures as starting values and outputs, then runs Reset.
    cCocomoReverseDlg(cPlatformServices& platform, const Values& starting,
                      double effortAdjustmentFactor, const ModeConstants& constants);

    const char* Title() const override { return "COCOMO Reverse Engineering"; }
    int HelpTopic() const override { return 247; }
    // "Source Lines of Code", "Nominal Person Months", "Adjusted Person Months", "Time to Develop".
    static const char* RadioLabel(int quantity);
    // "Input", "Output", "Original".
    static const char* ColumnHeading(int column);

    int GetSelected() const { return selected_; }
    bool IsInputEnabled(int quantity) const { return quantity == selected_; }
    int GetFocus() const { return focus_; }

    const std::string& GetInputText(int quantity) const { return inputTexts_[Slot(quantity)]; }
    void SetInputText(int quantity, std::string text);
    // Output and starting values, as the read-only fields show them ("%3.1lf").
    std::string GetOutputText(int quantity) const;
    std::string GetOriginalText(int quantity) const;
    double GetInput(int quantity) const { return inputs_[Slot(quantity)]; }
    double GetOutput(int quantity) const { return outputs_[Slot(quantity)]; }
    double GetOriginal(int quantity) const { return starting_[Slot(quantity)]; }

    // Choosing a radio: checks the inputs, makes the chosen input the editable one and
    // calculates.
    void OnRadio(int quantity);
    // Inputs back to the starting values, size selected.
    void OnReset();
    // Derives the other three quantities from the selected input; false after telling
    // the user about a bad input.
    bool OnCalculate();

  private:
    static std::size_t Slot(int quantity) { return static_cast<std::size_t>(quantity); }
    void ReadInputs();
    bool ValidateInputs();
    void Select(int quantity);
    void Compute();
    double SourceLinesFromNominal(double nominal) const;
    // Writes the values into the input texts ("%3.7lf").
    void ShowFields();

    cPlatformServices& platform_;
    Values starting_;
    Values inputs_;
    Values outputs_;
    std::array<std::string, kQuantityCount> inputTexts_;
    double factor_;
    ModeConstants constants_;
    int selected_ = kSourceLines;
    int focus_ = kSourceLines;
};

}  // namespace korval
