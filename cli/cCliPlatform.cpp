#include "cli/cCliPlatform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "framework/TextUtil.h"
#include "framework/cDialogLogic.h"

namespace korval {

MessageAnswer cCliPlatform::ShowMessage(const std::string& text, MessageButtons buttons) {
    std::string line;
    // Messages name files and titles, which may hold any byte: none reaches the terminal
    // as a control character.
    for (char c : PrintableText(text)) {
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    ++messages_;
    if (pendingRepeats_ > 0 && line == pending_) {
        ++pendingRepeats_;
    } else {
        FlushMessages();
        pending_ = std::move(line);
        pendingRepeats_ = 1;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

cCliPlatform::~cCliPlatform() {
    FlushMessages();
}

void cCliPlatform::FlushMessages() {
    if (pendingRepeats_ == 0) return;
    err_ << "korval-cli: " << pending_;
    if (pendingRepeats_ > 1) err_ << " (" << pendingRepeats_ << " times)";
    err_ << '\n';
    pendingRepeats_ = 0;
    pending_.clear();
}

bool cCliPlatform::RunDialog(cDialogLogic& dialog) {
    std::string prompt = dialog.Prompt();
    if (!prompt.empty()) ShowMessage(prompt, MessageButtons::Ok);
    return false;
}

bool cCliPlatform::FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool cCliPlatform::DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

std::tm cCliPlatform::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace korval
