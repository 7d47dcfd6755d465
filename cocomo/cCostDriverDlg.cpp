#include "cocomo/cCostDriverDlg.h"

#include "framework/NumberText.h"

namespace korval {

namespace {

bool IsRating(int rating) {
    return rating >= 0 && rating < kRatingCount;
}

}  // namespace

cCostDriverDlg::cCostDriverDlg(std::vector<cCostDriverAttribute> attributes)
    : attributes_(std::move(attributes)) {
    FillList(false);
}

const char* cCostDriverDlg::GroupLabel(int choice) {
    if (choice == kAllGroups) return "All";
    if (choice > kAllGroups && choice < kGroupChoiceCount)
        return CostDriverGroups()[static_cast<std::size_t>(choice - 1)].label.data();
    return "";
}

const char* cCostDriverDlg::RatingLabel(int rating) {
    return IsRating(rating) ? RatingName(rating).data() : "";
}

void cCostDriverDlg::OnGroupChoice(int choice) {
    if (!IsGroupChoiceEnabled(choice)) return;
    groupChoice_ = choice;
    FillList(false);
}

bool cCostDriverDlg::IsShown(const cCostDriverAttribute& attribute) const {
    if (groupChoice_ == kAllGroups) return true;
    return attribute.GetGroup() ==
           CostDriverGroups()[static_cast<std::size_t>(groupChoice_ - 1)].section;
}

void cCostDriverDlg::FillList(bool keepScrollPosition) {
    int top = topRow_;
    rows_.clear();
    shownAttributes_.clear();
    for (std::size_t i = 0; i < attributes_.size(); ++i) {
        if (!IsShown(attributes_[i])) continue;
        rows_.push_back(attributes_[i].RatingText() + "\t" + attributes_[i].GetName());
        shownAttributes_.push_back(i);
    }
    int remembered = rememberedRows_[static_cast<std::size_t>(groupChoice_)];
    selectedRow_ =
        remembered >= 0 && remembered < static_cast<int>(rows_.size()) ? remembered : kNoRow;
    topRow_ = keepScrollPosition ? top : 0;
    OnSelectRow(selectedRow_);
}

void cCostDriverDlg::OnSelectRow(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : kNoRow;
    rememberedRows_[static_cast<std::size_t>(groupChoice_)] = selectedRow_;
    UpdateRatingRadios();
}

cCostDriverAttribute* cCostDriverDlg::AttributeOfRow(int row) {
    if (row < 0 || row >= static_cast<int>(shownAttributes_.size())) return nullptr;
    return &attributes_[shownAttributes_[static_cast<std::size_t>(row)]];
}

// Without a selected row the radios keep their enabled state and none is checked.
void cCostDriverDlg::UpdateRatingRadios() {
    ratingChecked_.fill(false);
    const cCostDriverAttribute* attribute = AttributeOfRow(selectedRow_);
    if (!attribute) return;
    for (int rating = 0; rating < kRatingCount; ++rating) {
        ratingEnabled_[static_cast<std::size_t>(rating)] = attribute->IsRatingDefined(rating);
    }
    int rating = attribute->GetRating();
    if (rating != kRatingUndefined) ratingChecked_[static_cast<std::size_t>(rating)] = true;
}

std::string cCostDriverDlg::RatingRadioText(int rating) const {
    std::string label = RatingLabel(rating);
    if (selectedRow_ < 0 || selectedRow_ >= static_cast<int>(shownAttributes_.size())) return label;
    const cCostDriverAttribute& attribute =
        attributes_[shownAttributes_[static_cast<std::size_t>(selectedRow_)]];
    if (!attribute.IsRatingDefined(rating)) return label;
    return label + FormatNumber(" (%.2f)", attribute.GetMultiplier(rating));
}

std::string cCostDriverDlg::FactorText() const {
    return FormatNumber("Effort Adjustment Factor: %.2f",
                        cCostDriverAttribute::EffortAdjustmentFactor(attributes_));
}

void cCostDriverDlg::OnRating(int rating) {
    cCostDriverAttribute* attribute = AttributeOfRow(selectedRow_);
    if (!attribute || !IsRating(rating) || !IsRatingEnabled(rating)) return;
    attribute->SetCurrentMultiplier(attribute->GetMultiplier(rating));
    FillList(true);
}

}  // namespace korval
