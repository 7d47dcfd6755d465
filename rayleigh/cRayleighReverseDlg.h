#pragma once

#include <string>
#include <string_view>

#include "framework/cDialogLogic.h"
#include "framework/cProbabilitySolve.h"

namespace korval {

class cPlatformServices;
class cRayleighDoc;

// The text is a plain decimal number: optional leading blanks, an optional leading minus,
// digits and at most one point (no plus sign, no exponent, no inner blank); trailing
// blanks are ignored.
bool IsNumberText(std::string_view text);

// "Rayleigh Reverse Engineering": a what-if calculator over size (SLOC), time to develop
// (TDEV) and manpower buildup index (MBI). The user modifies one row, holds another fixed
// and sees the third. Its "Solve for probability" group gives the main build effort and
// time that a probability of the simulated trials stay within. It never changes the
// document.
class cRayleighReverseDlg : public cDialogLogic {
  public:
    enum Row { kSlocRow, kScheduleRow, kMbiRow, kRowCount };

    // fetch reads the document's simulation; without one the group says it has none.
    cRayleighReverseDlg(cPlatformServices& platform, const cRayleighDoc& document,
                        cProbabilitySolve::Fetch fetch = {});

    const char* Title() const override { return "Rayleigh Reverse Engineering"; }
    int HelpTopic() const override { return 248; }
    // "Source Lines of Code (SLOC)", "Time to Develop (TDEV)", "Manpower Buildup Index
    // (MBI)" (column "Modify").
    static const char* RadioLabel(Row row);
    // "SLOC", "TDEV", "MBI" (column "Fixed").
    static const char* FixedRadioLabel(Row row);

    // The "Input" column: editable texts.
    const std::string& GetInputText(Row row) const { return inputTexts_[row]; }
    void SetInputText(Row row, std::string text) { inputTexts_[row] = std::move(text); }
    // The read-only "Output" and "Original" columns.
    std::string GetOutputText(Row row) const;
    std::string GetOriginalText(Row row) const;
    double GetOutput(Row row) const { return outputs_[row]; }
    double GetOriginal(Row row) const { return originals_[row]; }
    // The manpower buildup D the calculation holds.
    double GetBuildup() const { return buildup_; }

    // The row whose input the calculation starts from, and the row held as it is.
    Row GetModifyRow() const { return modify_; }
    Row GetFixedRow() const { return fixed_; }
    // Only the modified row's input can be edited, and the modified row cannot be fixed.
    bool IsInputEnabled(Row row) const { return row == modify_; }
    bool IsFixedRadioEnabled(Row row) const { return row != modify_; }
    // The input holding the focus.
    Row GetFocusRow() const { return focus_; }

    // The default button; false when an input was refused (the user has been told).
    bool OnCalculate();
    void OnModifyRadio(Row row);
    void OnFixedRadio(Row row);
    // Every column back to the document's figures, Modify SLOC with TDEV fixed.
    void OnReset();

    // Main build effort, then main build time; the Output column's TDEV is the time's
    // target (the calculator works out no effort).
    cProbabilitySolve& Probability() { return probability_; }
    const cProbabilitySolve& Probability() const { return probability_; }

  private:
    bool ReadInputs(double values[kRowCount]);
    bool Refuse(Row row, const std::string& message);
    void SetModifyRow(Row row);
    void ShowInputs(const double values[kRowCount]);
    void AfterRadioClick();

    cPlatformServices& platform_;
    std::string inputTexts_[kRowCount];
    double shown_[kRowCount] = {};  // what the inputs were filled with, unrounded
    double outputs_[kRowCount] = {};
    double originals_[kRowCount] = {};
    double buildup_ = 0.0;
    double percentage_ = 0.0;
    double measure_ = 0.0;
    Row modify_ = kSlocRow;
    Row fixed_ = kScheduleRow;
    Row focus_ = kSlocRow;
    cProbabilitySolve probability_;
};

}  // namespace korval
