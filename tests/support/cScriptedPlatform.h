#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/cPlatformServices.h"

namespace korval::testing {

// A platform double for tests: every prompt is answered from a queue of scripted steps
// and logged. A prompt nobody scripted fails the running test instead of blocking it.
class cScriptedPlatform : public cPlatformServices {
  public:
    using DialogScript = std::function<bool(cDialogLogic&)>;

    ~cScriptedPlatform() override;

    // Queue the answer to the next message box.
    void ExpectMessage(MessageAnswer answer = MessageAnswer::Ok);
    // Queue what happens in the next dialog; the script returns true for OK.
    void ExpectDialog(DialogScript script);
    void ExpectDialogCancel();
    void ExpectOpenFileName(std::string answer);
    void ExpectSaveFileName(std::string answer);
    // Queue the answer to the next choice: the index picked, or none for Cancel.
    void ExpectChoice(std::optional<std::size_t> answer);
    // Any number of messages are answered OK and logged (for tests that only look at the log).
    void AcceptAllMessages(bool accept = true) { acceptAll_ = accept; }

    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<std::string>& Dialogs() const { return dialogs_; }
    const std::vector<int>& HelpTopics() const { return helpTopics_; }
    int Beeps() const { return beeps_; }
    bool AllStepsUsed() const { return steps_.empty(); }

    std::tm fixedNow{};
    std::vector<std::string> existingFiles;  // FileExists answers true for these too
    std::vector<std::string> deletedFiles;
    std::vector<std::string> openTitles;     // the titles of titled open-file dialogs
    std::vector<std::string> saveProposals;  // the names save-file dialogs started with

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    std::optional<std::size_t> AskChoice(const std::string& text,
                                         const std::vector<std::string>& choices) override;
    bool RunDialog(cDialogLogic& dialog) override;
    std::string PromptOpenFileName(const std::string& initial, const std::string& filters) override;
    std::string PromptOpenFileNameTitled(const std::string& title, const std::string& initial,
                                         const std::string& filters,
                                         const std::string& defaultExtension) override;
    std::string PromptSaveFileName(const std::string& initial, const std::string& filters,
                                   const std::string& defaultExtension) override;
    bool FileExists(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    void ShowHelpTopic(int topic) override { helpTopics_.push_back(topic); }
    void Beep() override { ++beeps_; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::tm Now() override { return fixedNow; }
    std::string ReadSetting(const std::string& section, const std::string& key,
                            const std::string& fallback) override;
    void WriteSetting(const std::string& section, const std::string& key,
                      const std::string& value) override;

    std::vector<std::string> lastFilters;

  private:
    enum class StepKind { Message, Dialog, OpenFile, SaveFile, Choice };
    struct Step {
        StepKind kind;
        MessageAnswer answer = MessageAnswer::Ok;
        DialogScript dialog;
        std::string path;
        std::optional<std::size_t> choice;
    };
    bool TakeStep(StepKind kind, const std::string& what, Step& step);

    std::deque<Step> steps_;
    std::vector<std::string> messages_;
    std::vector<std::string> dialogs_;
    std::vector<int> helpTopics_;
    std::vector<std::pair<std::string, std::string>> settings_;
    int beeps_ = 0;
    bool acceptAll_ = false;
};

}  // namespace korval::testing
