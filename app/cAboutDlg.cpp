#include "app/cAboutDlg.h"

#include "framework/ProfileAccess.h"

namespace korval {

cAboutDlg::cAboutDlg(std::string versionText, std::string copyrightText)
    : version_(std::move(versionText)), copyright_(std::move(copyrightText)) {}

std::string cAboutDlg::ProductName() const {
    return std::string(kProductName);
}

}  // namespace korval
