#pragma once

#include <QString>
#include <deque>
#include <string>
#include <vector>

#include "app/qt/cQtPlatformServices.h"

namespace korval::testing {

// The desktop platform with every prompt answered by the test: message answers are
// queued, an unexpected message is recorded as a failure and answered Cancel (or OK),
// help requests and beeps are counted instead of opening windows or making noise.
class cTestQtPlatform : public cQtPlatformServices {
  public:
    cTestQtPlatform();

    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // Every message box with an OK button only is answered OK without a queued answer.
    void AcceptInformation(bool accept = true) { acceptInformation_ = accept; }

    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<std::string>& Unexpected() const { return unexpected_; }
    const std::vector<int>& HelpTopics() const { return helpTopics_; }
    const std::vector<QString>& HelpPages() const { return helpPages_; }
    int Beeps() const { return beeps_; }
    bool AllAnswersUsed() const { return answers_.empty(); }

    void ShowHelpTopic(int topic) override { helpTopics_.push_back(topic); }
    void ShowHelpPage(const QString& page) override { helpPages_.push_back(page); }
    void Beep() override { ++beeps_; }

    // Empties the Korval settings store.
    static void ClearSettings();

  private:
    MessageAnswer Answer(const std::string& text, MessageButtons buttons);

    std::deque<MessageAnswer> answers_;
    std::vector<std::string> messages_;
    std::vector<std::string> unexpected_;
    std::vector<int> helpTopics_;
    std::vector<QString> helpPages_;
    int beeps_ = 0;
    bool acceptInformation_ = false;
};

}  // namespace korval::testing
