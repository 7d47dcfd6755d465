#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace korval {

class cDialogLogic;

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Everything the core needs from the desktop. The Qt application, the command-line
// tool and the tests each supply their own.
class cPlatformServices {
  public:
    virtual ~cPlatformServices() = default;

    virtual MessageAnswer ShowMessage(const std::string& text,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    // Asks the user to pick one of the named actions (the first is the default); the index
    // of the one picked, nothing when the user cancelled. Without a user to ask: cancelled.
    virtual std::optional<std::size_t> AskChoice(const std::string& text,
                                                 const std::vector<std::string>& choices) {
        static_cast<void>(text);
        static_cast<void>(choices);
        return std::nullopt;
    }
    // Runs a dialog modally over its logic; true when the user confirmed it with OK.
    virtual bool RunDialog(cDialogLogic& dialog) = 0;

    // File dialogs. filters is a list of "Description|pattern|" pairs; the answer is a
    // path, or empty when cancelled.
    virtual std::string PromptOpenFileName(const std::string& initial,
                                           const std::string& filters) = 0;
    // An open-file dialog with its own title and default extension (no dot).
    virtual std::string PromptOpenFileNameTitled(const std::string& title,
                                                 const std::string& initial,
                                                 const std::string& filters,
                                                 const std::string& defaultExtension) {
        (void)title;
        (void)defaultExtension;
        return PromptOpenFileName(initial, filters);
    }
    virtual std::string PromptSaveFileName(const std::string& initial, const std::string& filters,
                                           const std::string& defaultExtension) = 0;

    // May be asked on helper threads too (a system's members are looked for there).
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;

    virtual void ShowHelpTopic(int topic) = 0;
    virtual void Beep() = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Local date and time, for print job times.
    virtual std::tm Now() = 0;

    // The application's own settings store (window placement, toolbars, recent files).
    virtual std::string ReadSetting(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) = 0;
    virtual void WriteSetting(const std::string& section, const std::string& key,
                              const std::string& value) = 0;
};

}  // namespace korval
