#include "system/cMissingProjectDlg.h"

#include "system/cSystemProjectsDlg.h"

namespace korval {

cMissingProjectDlg::cMissingProjectDlg(std::string path, cPlatformServices& platform)
    : original_(path), path_(std::move(path)), platform_(platform) {}

void cMissingProjectDlg::OnBrowse() {
    std::string chosen = cSystemProjectsDlg::PromptProjectFile(platform_, kBrowseTitle);
    if (chosen.empty()) return;
    path_ = chosen;
    secondLabel_ = "Replacing with " + chosen;
}

}  // namespace korval
