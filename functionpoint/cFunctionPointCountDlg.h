#pragma once

#include <array>
#include <string>
#include <vector>

#include "framework/cDialogLogic.h"
#include "functionpoint/FunctionPointCells.h"
#include "functionpoint/cFunctionCount.h"
#include "functionpoint/cLanguage.h"
#include "functionpoint/cLanguageTable.h"

namespace korval {

class cPlatformServices;

// The Function Point Count dialog: 15 count fields (rows by function type, columns Low,
// Average, High), the weighted total of each type, the total unadjusted function points
// and the language list. The weights are the document's and cannot be edited here.
class cFunctionPointCountDlg : public cDialogLogic {
  public:
    using FunctionCounts = std::array<cFunctionCount, kFunctionCellCount>;

    // The fields the focus can enter: the 15 count fields by cell index, then these.
    static constexpr int kTotalField = kFunctionCellCount;
    static constexpr int kLanguageField = kFunctionCellCount + 1;
    static constexpr int kCountMin = 0;
    static constexpr int kCountMax = 9999;

    // A table without entries is replaced by one that holds only "None".
    cFunctionPointCountDlg(cPlatformServices& platform, const FunctionCounts& counts,
                           const cLanguage& selected, const cLanguageTable& table);

    const char* Title() const override { return "Function Point Count"; }
    int HelpTopic() const override { return 34; }

    static const char* RowLabel(FunctionType type);  // "External Input:", ...

    const std::string& GetCountText(int cell) const { return countTexts_.at(cell); }
    void SetCountText(int cell, std::string text) { countTexts_.at(cell) = std::move(text); }
    int GetWeight(int cell) const { return counts_.at(cell).GetWeight(); }
    const std::string& GetTypeTotalText(FunctionType type) const {
        return typeTotalTexts_.at(type);
    }
    const std::string& GetTotalText() const { return totalText_; }

    // The sorted language list, "None" included, and the entry selected in it (-1: none).
    const std::vector<std::string>& GetLanguageList() const { return languageList_; }
    // The entries the list shows, in the same order: each name with its SLOC per function
    // point ("Java  (53 SLOC/FP)"), so languages can be compared as they are chosen.
    const std::vector<std::string>& GetLanguageItems() const { return languageItems_; }
    int GetLanguageSelection() const { return languageSelection_; }
    void SelectLanguage(int index);
    // The list's text: the selected entry, or empty.
    std::string GetLanguageText() const;

    // Where the focus belongs after a refused value (a count field), else -1.
    int GetFocusField() const { return focusField_; }

    // The focus enters a count field, the total field or the language list: all counts
    // are checked and, when valid, the totals shown again. Entering the field just
    // reported as wrong does not report it again. False when a count was refused.
    bool OnFocusEnter(int field);
    // Checks every count and recomputes the totals; false (with the message) when a count
    // is not an integer in 0..9999.
    bool OnRecalculate();
    // Checks the counts and takes them and the language; false keeps the dialog open.
    bool OnOk();

    // Results after OnOk.
    const FunctionCounts& GetFunctionCounts() const { return counts_; }
    const cLanguage& GetSelectedLanguage() const { return selected_; }

  private:
    bool ReadCounts(FunctionCounts& counts);

    cPlatformServices& platform_;
    FunctionCounts counts_;
    cLanguage selected_;
    cLanguageTable table_;
    std::array<std::string, kFunctionCellCount> countTexts_;
    std::array<std::string, kFunctionTypeCount> typeTotalTexts_;
    std::string totalText_ = "0";
    std::vector<std::string> languageList_;
    std::vector<std::string> languageItems_;
    int languageSelection_ = -1;
    int focusField_ = -1;
    int reportedField_ = -1;
};

}  // namespace korval
