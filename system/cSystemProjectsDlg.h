#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/cDialogLogic.h"
#include "framework/cPlatformServices.h"

namespace korval {

class cSystemDoc;
class cSystemProjectDoc;

// System Level Estimation Projects: the member list of a system, edited on a working
// list. Items are "?" + path for a member that was found, "!" + path for one that was not,
// and a final blank item as the insertion point. Members added here belong to the dialog
// until OK hands them to the system; Cancel deletes them.
class cSystemProjectsDlg : public cDialogLogic {
  public:
    cSystemProjectsDlg(cSystemDoc& system, cPlatformServices& platform);
    ~cSystemProjectsDlg() override;

    const char* Title() const override { return "System Level Estimation Projects"; }
    int HelpTopic() const override { return 42; }

    // The open-file dialog of Add and of Browse in the Missing Project File dialog.
    static std::string PromptProjectFile(cPlatformServices& platform,
                                         const std::string& title = "Insert Files into System");

    const std::vector<std::string>& Items() const { return items_; }
    // Whether item i is drawn in inverse colours (a member whose file was not found).
    bool IsMissingItem(std::size_t index) const;
    int GetSelection() const { return selection_; }
    void Select(int index);
    // The selected member's Title, Prepared By and Description; a blank for the blank item.
    std::string SelectedTitle() const;
    std::string SelectedPreparedBy() const;
    std::string SelectedDescription() const;
    std::string StartTimeText() const { return "0"; }

    void OnAdd();
    void OnDelete();
    // OK: the system takes the working list; members removed here are deleted.
    void Apply();
    // Cancel: members added here are deleted; the system is unchanged.
    void Discard();

  private:
    static std::string ItemFor(const cSystemProjectDoc& member);
    const cSystemProjectDoc* SelectedMember() const;
    void TakeOwnership(cSystemProjectDoc* member);

    cSystemDoc& system_;
    cPlatformServices& platform_;
    std::vector<cSystemProjectDoc*> list_;
    std::vector<std::unique_ptr<cSystemProjectDoc>> added_;
    std::vector<std::string> items_;
    int selection_ = 0;
    bool finished_ = false;
};

}  // namespace korval
