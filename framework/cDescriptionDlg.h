#pragma once

#include <string>

#include "framework/cDialogLogic.h"

namespace korval {

// The Description dialog: Title and Prepared By (50 characters each) and a multi-line
// Description (500 characters, line breaks CR LF). Text beyond a limit is refused whole,
// as typing beyond it is refused with a beep.
class cDescriptionDlg : public cDialogLogic {
  public:
    cDescriptionDlg(std::string title, std::string preparedBy, std::string description);

    const char* Title() const override { return "Description"; }
    int HelpTopic() const override { return 136; }

    const std::string& GetTitleText() const { return title_; }
    const std::string& GetPreparedByText() const { return preparedBy_; }
    const std::string& GetDescriptionText() const { return description_; }

    // False (and nothing changes) when the text is over the field's limit.
    bool SetTitleText(const std::string& text);
    bool SetPreparedByText(const std::string& text);
    bool SetDescriptionText(const std::string& text);

  private:
    std::string title_;
    std::string preparedBy_;
    std::string description_;
};

}  // namespace korval
