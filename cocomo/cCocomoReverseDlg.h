#pragma once

#include <array>
#include <string>

#include "cocomo/CocomoTables.h"
#include "framework/cDialogLogic.h"
#include "framework/cProbabilitySolve.h"

namespace korval {

class cPlatformServices;

// COCOMO Reverse Engineering: a what-if calculator. From any one of size, nominal effort,
// adjusted effort or time to develop it derives the other three with the model's
// equations, forwards or backwards, using the effort adjustment factor and the mode
// constants taken when it opened. Its "Solve for probability" group gives the adjusted
// effort and time to develop that a probability of the simulated trials stay within.
// It never changes the document.
class cCocomoReverseDlg : public cDialogLogic {
  public:
    enum Row {
        kSourceLinesRow,
        kNominalEffortRow,
        kAdjustedEffortRow,
        kTimeToDevelopRow,
        kRowCount
    };
    using Values = std::array<double, kRowCount>;

    // Opens with the document's figures as starting values and outputs, then runs Reset.
    // fetch reads the document's simulation; without one the group says it has none.
    cCocomoReverseDlg(cPlatformServices& platform, const Values& starting,
                      double effortAdjustmentFactor, const ModeConstants& constants,
                      cProbabilitySolve::Fetch fetch = {});

    const char* Title() const override { return "COCOMO Reverse Engineering"; }
    int HelpTopic() const override { return 247; }
    // "Source Lines of Code", "Nominal Person Months", "Adjusted Person Months", "Time to Develop".
    static const char* RadioLabel(Row row);
    // "Input", "Output", "Original".
    static const char* ColumnHeading(int column);

    // The row whose input the calculation starts from; only its input can be edited.
    Row GetModifyRow() const { return modify_; }
    bool IsInputEnabled(Row row) const { return row == modify_; }
    // The input holding the focus.
    Row GetFocusRow() const { return focus_; }

    const std::string& GetInputText(Row row) const { return inputTexts_[row]; }
    void SetInputText(Row row, std::string text);
    // Output and starting values, as the read-only fields show them ("%3.1lf").
    std::string GetOutputText(Row row) const;
    std::string GetOriginalText(Row row) const;
    double GetInput(Row row) const { return inputs_[row]; }
    double GetOutput(Row row) const { return outputs_[row]; }
    double GetOriginal(Row row) const { return starting_[row]; }

    // Choosing a radio: checks the inputs, makes the chosen input the editable one and
    // calculates.
    void OnModifyRadio(Row row);
    // Inputs back to the starting values, size selected.
    void OnReset();
    // Derives the other three quantities from the selected input; false after telling
    // the user about a bad input.
    bool OnCalculate();

    // Adjusted effort, then time to develop; the Output column's are the targets.
    cProbabilitySolve& Probability() { return probability_; }
    const cProbabilitySolve& Probability() const { return probability_; }

  private:
    void ReadInputs();
    bool ValidateInputs();
    void Select(Row row);
    void Compute();
    double SourceLinesFromNominal(double nominal) const;
    // Writes the values into the input texts ("%3.7lf").
    void ShowFields();

    cPlatformServices& platform_;
    Values starting_;
    Values inputs_;
    Values outputs_;
    std::array<std::string, kRowCount> inputTexts_;
    double factor_;
    ModeConstants constants_;
    Row modify_ = kSourceLinesRow;
    Row focus_ = kSourceLinesRow;
    cProbabilitySolve probability_;
};

}  // namespace korval
