#pragma once

#include <string>

namespace korval {

// Base of every dialog's logic. The logic holds the dialog's working copy, field texts
// and states and its rules; a Qt form mirrors it, a test drives it directly.
class cDialogLogic {
  public:
    virtual ~cDialogLogic() = default;
    // The dialog's title, shown on its window and in messages about it. A platform picks
    // the form for a dialog by the logic's class, never by this text.
    virtual const char* Title() const = 0;
    // Help topic number opened by the Help button; 0 when the dialog has none.
    virtual int HelpTopic() const { return 0; }
    // What the dialog asks, for a platform that answers it without showing it (the
    // command-line tool reports it before cancelling). Empty for most dialogs.
    virtual std::string Prompt() const { return {}; }
};

}  // namespace korval
