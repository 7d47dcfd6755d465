#include "framework/cMessageCapture.h"

#include <utility>

namespace korval {

namespace {
// The innermost capture of each thread; captures nest and end in reverse order.
thread_local cMessageCapture* tInnermost = nullptr;
}  // namespace

cMessageCapture::cMessageCapture(cPlatformServices& platform)
    : platform_(platform), outer_(tInnermost) {
    tInnermost = this;
}

cMessageCapture::~cMessageCapture() {
    tInnermost = outer_;
}

cPlatformServices& cMessageCapture::Route(cPlatformServices& platform) {
    return tInnermost != nullptr ? *tInnermost : platform;
}

std::vector<cMessageCapture::Message> cMessageCapture::Take() {
    return std::exchange(messages_, {});
}

void cMessageCapture::ShowTo(cPlatformServices& platform, const std::vector<Message>& messages) {
    for (const Message& message : messages)
        static_cast<void>(platform.ShowMessage(message.text, message.buttons));
}

MessageAnswer cMessageCapture::ShowMessage(const std::string& text, MessageButtons buttons) {
    messages_.push_back({text, buttons});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

bool cMessageCapture::RunDialog(cDialogLogic& dialog) {
    return platform_.RunDialog(dialog);
}

std::string cMessageCapture::PromptOpenFileName(const std::string& initial,
                                                const std::string& filters) {
    return platform_.PromptOpenFileName(initial, filters);
}

std::string cMessageCapture::PromptSaveFileName(const std::string& initial,
                                                const std::string& filters,
                                                const std::string& defaultExtension) {
    return platform_.PromptSaveFileName(initial, filters, defaultExtension);
}

bool cMessageCapture::FileExists(const std::string& path) {
    return platform_.FileExists(path);
}

bool cMessageCapture::DeleteFile(const std::string& path) {
    return platform_.DeleteFile(path);
}

void cMessageCapture::ShowHelpTopic(int topic) {
    platform_.ShowHelpTopic(topic);
}

void cMessageCapture::Beep() {
    platform_.Beep();
}

void cMessageCapture::BeginWaitCursor() {
    platform_.BeginWaitCursor();
}

void cMessageCapture::EndWaitCursor() {
    platform_.EndWaitCursor();
}

std::tm cMessageCapture::Now() {
    return platform_.Now();
}

std::string cMessageCapture::ReadSetting(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) {
    return platform_.ReadSetting(section, key, defaultValue);
}

void cMessageCapture::WriteSetting(const std::string& section, const std::string& key,
                                   const std::string& value) {
    platform_.WriteSetting(section, key, value);
}

}  // namespace korval
