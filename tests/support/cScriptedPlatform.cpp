#include "tests/support/cScriptedPlatform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "framework/cDialogLogic.h"

namespace korval::testing {

cScriptedPlatform::~cScriptedPlatform() {
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted step(s) were never used";
}

void cScriptedPlatform::ExpectMessage(MessageAnswer answer) {
    steps_.push_back({StepKind::Message, answer, {}, {}, {}});
}

void cScriptedPlatform::ExpectDialog(DialogScript script) {
    steps_.push_back({StepKind::Dialog, MessageAnswer::Ok, std::move(script), {}, {}});
}

void cScriptedPlatform::ExpectDialogCancel() {
    ExpectDialog([](cDialogLogic&) { return false; });
}

void cScriptedPlatform::ExpectOpenFileName(std::string answer) {
    steps_.push_back({StepKind::OpenFile, MessageAnswer::Ok, {}, std::move(answer), {}});
}

void cScriptedPlatform::ExpectSaveFileName(std::string answer) {
    steps_.push_back({StepKind::SaveFile, MessageAnswer::Ok, {}, std::move(answer), {}});
}

void cScriptedPlatform::ExpectChoice(std::optional<std::size_t> answer) {
    steps_.push_back({StepKind::Choice, MessageAnswer::Ok, {}, {}, answer});
}

bool cScriptedPlatform::TakeStep(StepKind kind, const std::string& what, Step& step) {
    if (steps_.empty() || steps_.front().kind != kind) {
        ADD_FAILURE() << "unscripted prompt: " << what;
        return false;
    }
    step = std::move(steps_.front());
    steps_.pop_front();
    return true;
}

MessageAnswer cScriptedPlatform::ShowMessage(const std::string& text, MessageButtons buttons) {
    messages_.push_back(text);
    if (acceptAll_ && buttons == MessageButtons::Ok &&
        (steps_.empty() || steps_.front().kind != StepKind::Message)) {
        return MessageAnswer::Ok;
    }
    Step step;
    if (!TakeStep(StepKind::Message, "message \"" + text + "\"", step)) {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    return step.answer;
}

std::optional<std::size_t> cScriptedPlatform::AskChoice(const std::string& text,
                                                        const std::vector<std::string>&) {
    messages_.push_back(text);
    Step step;
    if (!TakeStep(StepKind::Choice, "choice \"" + text + "\"", step)) return std::nullopt;
    return step.choice;
}

bool cScriptedPlatform::RunDialog(cDialogLogic& dialog) {
    dialogs_.push_back(dialog.Title());
    Step step;
    if (!TakeStep(StepKind::Dialog, std::string("dialog \"") + dialog.Title() + "\"", step))
        return false;
    return step.dialog(dialog);
}

std::string cScriptedPlatform::PromptOpenFileName(const std::string&, const std::string& filters) {
    lastFilters.push_back(filters);
    Step step;
    return TakeStep(StepKind::OpenFile, "open file dialog", step) ? step.path : std::string();
}

std::string cScriptedPlatform::PromptOpenFileNameTitled(const std::string& title,
                                                        const std::string& initial,
                                                        const std::string& filters,
                                                        const std::string&) {
    openTitles.push_back(title);
    return PromptOpenFileName(initial, filters);
}

std::string cScriptedPlatform::PromptSaveFileName(const std::string& initial,
                                                  const std::string& filters, const std::string&) {
    saveProposals.push_back(initial);
    lastFilters.push_back(filters);
    Step step;
    return TakeStep(StepKind::SaveFile, "save file dialog", step) ? step.path : std::string();
}

bool cScriptedPlatform::FileExists(const std::string& path) {
    if (std::find(existingFiles.begin(), existingFiles.end(), path) != existingFiles.end())
        return true;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool cScriptedPlatform::DeleteFile(const std::string& path) {
    deletedFiles.push_back(path);
    return ::unlink(path.c_str()) == 0;
}

std::string cScriptedPlatform::ReadSetting(const std::string& section, const std::string& key,
                                           const std::string& fallback) {
    for (const auto& [name, value] : settings_) {
        if (name == section + "/" + key) return value;
    }
    return fallback;
}

void cScriptedPlatform::WriteSetting(const std::string& section, const std::string& key,
                                     const std::string& value) {
    for (auto& [name, stored] : settings_) {
        if (name == section + "/" + key) {
            stored = value;
            return;
        }
    }
    settings_.emplace_back(section + "/" + key, value);
}

}  // namespace korval::testing
