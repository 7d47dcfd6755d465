#include "system/cSystemProjectsDlg.h"

#include <algorithm>
#include <unordered_map>

#include "framework/TextUtil.h"
#include "system/cSystemDoc.h"

namespace korval {

cSystemProjectsDlg::cSystemProjectsDlg(cSystemDoc& system, cPlatformServices& platform)
    : system_(system), platform_(platform) {
    for (const auto& member : system.GetMembers()) {
        member->SetEditState(cSystemProjectDoc::EditState::Kept);
        list_.push_back(member.get());
        items_.push_back(ItemFor(*member));
    }
    items_.push_back(" ");
}

cSystemProjectsDlg::~cSystemProjectsDlg() = default;

std::string cSystemProjectsDlg::PromptProjectFile(cPlatformServices& platform,
                                                  const std::string& title) {
    return platform.PromptOpenFileNameTitled(title, "*.PRJ",
                                             "Project (*.PRJ)|*.PRJ|All Files (*.*)|*.*|", "PRJ");
}

std::string cSystemProjectsDlg::ItemFor(const cSystemProjectDoc& member) {
    return (member.IsFound() ? "?" : "!") + member.GetFileName();
}

bool cSystemProjectsDlg::IsMissingItem(std::size_t index) const {
    return index < items_.size() && !items_[index].empty() && items_[index][0] == '!';
}

void cSystemProjectsDlg::Select(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) selection_ = index;
}

const cSystemProjectDoc* cSystemProjectsDlg::SelectedMember() const {
    return static_cast<std::size_t>(selection_) < list_.size()
               ? list_[static_cast<std::size_t>(selection_)]
               : nullptr;
}

std::string cSystemProjectsDlg::SelectedTitle() const {
    const cSystemProjectDoc* member = SelectedMember();
    return member ? member->GetTitle() : " ";
}

std::string cSystemProjectsDlg::SelectedPreparedBy() const {
    const cSystemProjectDoc* member = SelectedMember();
    return member ? member->GetPreparedBy() : " ";
}

std::string cSystemProjectsDlg::SelectedDescription() const {
    const cSystemProjectDoc* member = SelectedMember();
    return member ? member->GetDescription() : " ";
}

void cSystemProjectsDlg::OnAdd() {
    std::string path = PromptProjectFile(platform_);
    if (path.empty()) return;
    if (path.size() < 3 || !EqualsNoCase(path.substr(path.size() - 3), "prj")) {
        platform_.ShowMessage("This file is not a KORVAL project file");
        return;
    }
    bool listed = std::any_of(items_.begin(), items_.end(), [&](const std::string& item) {
        return EqualsNoCase(item, "!" + path) || EqualsNoCase(item, "?" + path);
    });
    if (listed) platform_.ShowMessage(path + "\nThis file already exists ");

    std::unique_ptr<cSystemProjectDoc> member = system_.CreateMember();
    member->SetEditState(cSystemProjectDoc::EditState::Added);
    // Listed as chosen whether or not the file can be read; one that cannot adds nothing
    // to the system's totals.
    static_cast<void>(member->LoadModel(path));
    std::size_t at = static_cast<std::size_t>(selection_);
    list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(at), member.get());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), "?" + path);
    added_.push_back(std::move(member));
}

void cSystemProjectsDlg::OnDelete() {
    std::size_t at = static_cast<std::size_t>(selection_);
    if (items_.size() < 2 || at >= list_.size()) return;
    cSystemProjectDoc* member = list_[at];
    list_.erase(list_.begin() + static_cast<std::ptrdiff_t>(at));
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    if (member->GetEditState() == cSystemProjectDoc::EditState::Added) {
        added_.erase(std::find_if(added_.begin(), added_.end(),
                                  [member](const auto& owned) { return owned.get() == member; }));
    } else {
        member->SetEditState(cSystemProjectDoc::EditState::Removed);
    }
    selection_ = selection_ > 0 ? selection_ - 1 : 0;
}

void cSystemProjectsDlg::Apply() {
    if (finished_) return;
    finished_ = true;
    std::unordered_map<cSystemProjectDoc*, std::unique_ptr<cSystemProjectDoc>> owned;
    for (auto& member : system_.ReleaseMembers()) owned.emplace(member.get(), std::move(member));
    for (auto& member : added_) owned.emplace(member.get(), std::move(member));
    added_.clear();
    std::vector<std::unique_ptr<cSystemProjectDoc>> kept;
    kept.reserve(list_.size());
    for (cSystemProjectDoc* member : list_) {
        kept.push_back(std::move(owned[member]));
        owned.erase(member);
    }
    owned.clear();  // the members removed in this dialog
    system_.SetMembers(std::move(kept));
}

void cSystemProjectsDlg::Discard() {
    if (finished_) return;
    finished_ = true;
    while (!added_.empty()) added_.pop_back();  // last first
}

}  // namespace korval
