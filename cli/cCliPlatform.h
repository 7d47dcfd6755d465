#pragma once

#include <ostream>
#include <string>

#include "framework/cPlatformServices.h"

namespace korval {

// The platform of the command-line tool: messages go to stderr, one per line; questions
// are answered Cancel (or No), dialogs are cancelled and file dialogs give no path. A
// message repeated right after itself is printed once, with the count ("(N times)").
class cCliPlatform : public cPlatformServices {
  public:
    explicit cCliPlatform(std::ostream& err) : err_(err) {}
    ~cCliPlatform() override;
    cCliPlatform(const cCliPlatform&) = delete;
    cCliPlatform& operator=(const cCliPlatform&) = delete;

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    // Dialogs are cancelled; one that asks something is reported first.
    bool RunDialog(cDialogLogic& dialog) override;
    std::string PromptOpenFileName(const std::string&, const std::string&) override { return {}; }
    std::string PromptSaveFileName(const std::string&, const std::string&,
                                   const std::string&) override {
        return {};
    }
    bool FileExists(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    void ShowHelpTopic(int) override {}
    void Beep() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::tm Now() override;
    std::string ReadSetting(const std::string&, const std::string&,
                            const std::string& fallback) override {
        return fallback;
    }
    void WriteSetting(const std::string&, const std::string&, const std::string&) override {}

    int MessageCount() const { return messages_; }
    // Prints the message held back to count its repeats.
    void FlushMessages();

  private:
    std::ostream& err_;
    int messages_ = 0;
    std::string pending_;
    int pendingRepeats_ = 0;
};

}  // namespace korval
