#pragma once

#include <string>
#include <vector>

#include "framework/cDialogLogic.h"
#include "framework/cDocumentKind.h"

namespace korval {

// File New: the File New entries of the five kinds in registration order, the first
// one preselected.
class cFileNewDlg : public cDialogLogic {
  public:
    cFileNewDlg();

    const char* Title() const override { return "New"; }
    int HelpTopic() const override { return 46; }

    const std::vector<std::string>& Entries() const { return entries_; }
    int Selection() const { return selection_; }
    // Out-of-range indexes are ignored.
    void Select(int index);
    DocumentKind SelectedKind() const;

  private:
    std::vector<std::string> entries_;
    int selection_ = 0;
};

}  // namespace korval
