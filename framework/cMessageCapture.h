#pragma once

#include <string>
#include <vector>

#include "framework/cPlatformServices.h"

namespace korval {

// Keeps the messages documents show on this thread while it lives instead of showing them,
// so that work done beside the thread that owns the platform (a system's members loading on
// helper threads) tells the user the same things in the same order once it is handed back:
// `ShowTo` shows them there. Messages are plain notices while it lives: a question is kept
// too and answered Cancel, as no one can answer it yet. Everything else goes to the platform
// it was made over, so only use it around code that asks the platform nothing but messages.
class cMessageCapture final : public cPlatformServices {
  public:
    struct Message {
        std::string text;
        MessageButtons buttons = MessageButtons::Ok;
        bool operator==(const Message&) const = default;
    };

    explicit cMessageCapture(cPlatformServices& platform);
    ~cMessageCapture() override;
    cMessageCapture(const cMessageCapture&) = delete;
    cMessageCapture& operator=(const cMessageCapture&) = delete;

    // Where this thread's messages go: the innermost capture living on it, else platform.
    static cPlatformServices& Route(cPlatformServices& platform);

    // The messages kept so far, in order; the capture keeps none after.
    std::vector<Message> Take();
    // Shows messages on platform, in order (on the thread that owns it).
    static void ShowTo(cPlatformServices& platform, const std::vector<Message>& messages);

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    bool RunDialog(cDialogLogic& dialog) override;
    std::string PromptOpenFileName(const std::string& initial, const std::string& filters) override;
    std::string PromptSaveFileName(const std::string& initial, const std::string& filters,
                                   const std::string& defaultExtension) override;
    bool FileExists(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    void ShowHelpTopic(int topic) override;
    void Beep() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::tm Now() override;
    std::string ReadSetting(const std::string& section, const std::string& key,
                            const std::string& defaultValue) override;
    void WriteSetting(const std::string& section, const std::string& key,
                      const std::string& value) override;

  private:
    cPlatformServices& platform_;
    cMessageCapture* outer_;
    std::vector<Message> messages_;
};

}  // namespace korval
