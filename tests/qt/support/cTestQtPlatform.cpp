#include "tests/qt/support/cTestQtPlatform.h"

#include <QSettings>

namespace korval::testing {

cTestQtPlatform::cTestQtPlatform() {
    SetMessageResponder(
        [this](const std::string& text, MessageButtons buttons) { return Answer(text, buttons); });
    SetDialogResponder([](QDialog&, cDialogLogic&) { return false; });
    SetOpenFileResponder([](const std::string&, const QStringList&) { return std::string(); });
    SetSaveFileResponder([](const std::string&, const QStringList&) { return std::string(); });
}

MessageAnswer cTestQtPlatform::Answer(const std::string& text, MessageButtons buttons) {
    messages_.push_back(text);
    if (!answers_.empty()) {
        MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (acceptInformation_ && buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    unexpected_.push_back(text);
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void cTestQtPlatform::ClearSettings() {
    QSettings settings(QStringLiteral("Korval"), QStringLiteral("Korval"));
    settings.clear();
    settings.sync();
}

}  // namespace korval::testing
