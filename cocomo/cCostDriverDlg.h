#pragma once

#include <array>
#include <string>
#include <vector>

#include "cocomo/cCostDriverAttribute.h"
#include "framework/cDialogLogic.h"

namespace korval {

// Cost Driver Attributes: a list of the attributes of one group (or of all groups), each
// row showing its rating and name, and six rating radios for the selected row. The
// dialog works on its own copy of the attributes and remembers the selected row of each
// group choice.
class cCostDriverDlg : public cDialogLogic {
  public:
    enum GroupChoice {
        kAllGroups,
        kProductGroup,
        kHardwareGroup,
        kPersonnelGroup,
        kProjectGroup,
        kUserDefinedGroup
    };
    static constexpr int kGroupChoiceCount = 6;
    static constexpr int kNoRow = -1;

    // Opens with "All" chosen and the first row selected.
    explicit cCostDriverDlg(std::vector<cCostDriverAttribute> attributes);

    const char* Title() const override { return "Cost Driver Attributes"; }
    int HelpTopic() const override { return 39; }
    // "All", "Product", "Hardware", "Personnel", "Project", "User Defined".
    static const char* GroupLabel(int choice);
    // "Very Low", "Low", "Nominal", "High", "Very High", "Extra High".
    static const char* RatingLabel(int rating);

    int GetGroupChoice() const { return groupChoice_; }
    // "User Defined" is never offered.
    bool IsGroupChoiceEnabled(int choice) const {
        return choice >= 0 && choice < kUserDefinedGroup;
    }
    void OnGroupChoice(int choice);

    // One row per attribute shown: its rating text (ten characters), a tab, its name.
    const std::vector<std::string>& GetRows() const { return rows_; }
    int GetSelectedRow() const { return selectedRow_; }
    void OnSelectRow(int row);
    // The list's first visible row, which a rating change keeps in place.
    int GetTopRow() const { return topRow_; }
    void SetTopRow(int row) { topRow_ = row; }

    bool IsRatingEnabled(int rating) const {
        return ratingEnabled_[static_cast<std::size_t>(rating)];
    }
    bool IsRatingChecked(int rating) const {
        return ratingChecked_[static_cast<std::size_t>(rating)];
    }
    // A rating radio's text: its label and, when the selected attribute defines it, the
    // multiplier it gives ("High (1.15)"), so ratings can be compared before one is chosen.
    std::string RatingRadioText(int rating) const;
    // The effort adjustment factor of the working copy, as it stands after every click:
    // "Effort Adjustment Factor: 1.15".
    std::string FactorText() const;

    // Gives the selected row's attribute the clicked rating.
    void OnRating(int rating);

    // The working copy, in the document's order.
    const std::vector<cCostDriverAttribute>& GetAttributes() const { return attributes_; }

  private:
    bool IsShown(const cCostDriverAttribute& attribute) const;
    // Rebuilds the rows of the chosen group and selects its remembered row.
    void FillList(bool keepScrollPosition);
    // The attribute behind a row: the one at that row's position in the shown list.
    cCostDriverAttribute* AttributeOfRow(int row);
    void UpdateRatingRadios();

    std::vector<cCostDriverAttribute> attributes_;
    int groupChoice_ = kAllGroups;
    std::array<int, kGroupChoiceCount> rememberedRows_{};
    std::vector<std::string> rows_;
    std::vector<std::size_t> shownAttributes_;
    int selectedRow_ = kNoRow;
    int topRow_ = 0;
    std::array<bool, kRatingCount> ratingEnabled_{};
    std::array<bool, kRatingCount> ratingChecked_{};
};

}  // namespace korval
