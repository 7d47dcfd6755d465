#pragma once

#include <string>

#include "framework/cDialogLogic.h"
#include "framework/cPlatformServices.h"

namespace korval {

// Missing Project File: a member's file is not where the system file says. The user may
// browse for a replacement (OK loads it), retry the same path (OK) or keep the member
// unloaded (Cancel).
class cMissingProjectDlg : public cDialogLogic {
  public:
    // The title of the file dialog Browse opens.
    static constexpr const char* kBrowseTitle = "Locate Missing Project File";

    cMissingProjectDlg(std::string path, cPlatformServices& platform);

    const char* Title() const override { return "Missing Project File"; }
    int HelpTopic() const override { return 43; }
    std::string Prompt() const override { return FirstLabel(); }

    std::string FirstLabel() const { return original_ + "\nFile not found"; }
    const std::string& SecondLabel() const { return secondLabel_; }
    const std::string& GetPath() const { return path_; }

    // "Browse...": the chosen file (no extension check) replaces the path.
    void OnBrowse();

  private:
    std::string original_;
    std::string path_;
    std::string secondLabel_;
    cPlatformServices& platform_;
};

}  // namespace korval
