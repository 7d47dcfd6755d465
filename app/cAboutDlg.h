#pragma once

#include <string>

#include "framework/cDialogLogic.h"

namespace korval {

// The About box: the product's long name, its version and its copyright text.
class cAboutDlg : public cDialogLogic {
  public:
    cAboutDlg(std::string versionText, std::string copyrightText);

    const char* Title() const override { return "About KORVAL"; }
    int HelpTopic() const override { return 47; }

    std::string ProductName() const;
    const std::string& VersionText() const { return version_; }
    const std::string& CopyrightText() const { return copyright_; }

  private:
    std::string version_;
    std::string copyright_;
};

}  // namespace korval
