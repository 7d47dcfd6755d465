#include "app/cFileNewDlg.h"

namespace korval {

cFileNewDlg::cFileNewDlg() {
    for (const cDocumentKind& kind : cDocumentKind::All()) entries_.emplace_back(kind.newListEntry);
}

void cFileNewDlg::Select(int index) {
    if (index >= 0 && index < static_cast<int>(entries_.size())) selection_ = index;
}

DocumentKind cFileNewDlg::SelectedKind() const {
    return cDocumentKind::All()[selection_].kind;
}

}  // namespace korval
