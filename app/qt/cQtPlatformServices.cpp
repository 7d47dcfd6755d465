#include "app/qt/cQtPlatformServices.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <ctime>

#include "app/FileDialogStart.h"
#include "app/qt/QtText.h"
#include "app/qt/cDialogFormRegistry.h"
#include "app/qt/cHelpWindow.h"
#include "framework/ProfileAccess.h"
#include "framework/cDialogLogic.h"

namespace korval {

namespace {

QSettings Store() {
    return QSettings(QStringLiteral("Korval"), QStringLiteral("Korval"));
}

// A held store would write itself at the event loop's next turn (QSettings posts itself an
// update request on every change): its writes wait for the release instead.
class cHeldWriteFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::UpdateRequest;
    }
};

QString SettingKey(const std::string& section, const std::string& key) {
    return ToQString(section) + '/' + ToQString(key);
}

// The folder and file name a dialog starts with; wildcard names ("*.*", "*.PRJ") only
// set the folder.
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kLastFolderKey = "LastFolder";

void StartDialogAt(QFileDialog& dialog, const std::string& initial) {
    if (initial.empty()) return;
    QFileInfo info(ToQString(initial));
    if (info.isDir()) {
        dialog.setDirectory(info.absoluteFilePath());
        return;
    }
    if (info.dir().exists()) dialog.setDirectory(info.absolutePath());
    if (!info.fileName().contains('*') && !info.fileName().contains('?'))
        dialog.selectFile(info.fileName());
}

QMessageBox::StandardButtons QtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer CoreAnswer(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
    }
}

}  // namespace

cQtPlatformServices::cQtPlatformServices() = default;

cQtPlatformServices::~cQtPlatformServices() {
    while (waitCursorDepth_ > 0) EndWaitCursor();
    heldSettings_.reset();
    delete helpWindow_.data();
}

QWidget* cQtPlatformServices::DialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return mainWindow_.data();
}

MessageAnswer cQtPlatformServices::ShowMessage(const std::string& text, MessageButtons buttons) {
    if (messageResponder_) return messageResponder_(text, buttons);
    QMessageBox box(buttons == MessageButtons::Ok ? QMessageBox::Warning : QMessageBox::Question,
                    ToQString(kProductName), ToQtLineBreaks(text), QtButtons(buttons),
                    DialogParent());
    box.setDefaultButton(buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes);
    if (buttons == MessageButtons::YesNoCancel) box.setEscapeButton(QMessageBox::Cancel);
    if (buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    return CoreAnswer(box.exec());
}

// Buttons named after the actions, as editors ask about a file changed on disk; Escape
// cancels.
std::optional<std::size_t> cQtPlatformServices::AskChoice(const std::string& text,
                                                          const std::vector<std::string>& choices) {
    if (messageResponder_) return std::nullopt;
    QMessageBox box(QMessageBox::Question, ToQString(kProductName), ToQtLineBreaks(text),
                    QMessageBox::NoButton, DialogParent());
    std::vector<QAbstractButton*> buttons;
    for (const std::string& choice : choices)
        buttons.push_back(box.addButton(ToQString(choice), QMessageBox::AcceptRole));
    QAbstractButton* cancel = box.addButton(QMessageBox::Cancel);
    if (!buttons.empty()) box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(cancel);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return i;
    }
    return std::nullopt;
}

bool cQtPlatformServices::RunDialog(cDialogLogic& dialog) {
    std::unique_ptr<QDialog> form = cDialogFormRegistry::Create(dialog, *this, DialogParent());
    if (!form) {
        ShowMessage(std::string("The \"") + dialog.Title() +
                    "\" dialog is not available in this version.");
        return false;
    }
    if (dialogResponder_) return dialogResponder_(*form, dialog);
    return form->exec() == QDialog::Accepted;
}

std::string cQtPlatformServices::PromptOpenFileName(const std::string& initial,
                                                    const std::string& filters) {
    return PromptOpenFileNameTitled("Open", initial, filters, "");
}

std::string cQtPlatformServices::PromptOpenFileNameTitled(const std::string& title,
                                                          const std::string& initial,
                                                          const std::string& filters,
                                                          const std::string& defaultExtension) {
    QStringList nameFilters = ToQtNameFilters(filters);
    if (openFileResponder_) return openFileResponder_(initial, nameFilters);
    QFileDialog dialog(DialogParent(), ToQString(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters);
    if (!nameFilters.isEmpty()) dialog.selectNameFilter(nameFilters.front());
    dialog.setDefaultSuffix(ToQString(defaultExtension));
    return RunFileDialog(dialog, initial);
}

std::string cQtPlatformServices::PromptSaveFileName(const std::string& initial,
                                                    const std::string& filters,
                                                    const std::string& defaultExtension) {
    QStringList nameFilters = ToQtNameFilters(filters);
    if (saveFileResponder_) return saveFileResponder_(initial, nameFilters);
    QFileDialog dialog(DialogParent(), QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters);
    if (!nameFilters.isEmpty()) dialog.selectNameFilter(nameFilters.front());
    dialog.setDefaultSuffix(ToQString(defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return RunFileDialog(dialog, initial);
}

// Every file dialog starts where the last one ended unless it is given a folder.
std::string cQtPlatformServices::RunFileDialog(QFileDialog& dialog, const std::string& initial) {
    StartDialogAt(dialog,
                  FileDialogStartPath(initial, ReadSetting(kSettingsSection, kLastFolderKey, "")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    std::string chosen = ToStdString(dialog.selectedFiles().front());
    WriteSetting(kSettingsSection, kLastFolderKey, FolderToRemember(chosen));
    return chosen;
}

bool cQtPlatformServices::FileExists(const std::string& path) {
    return QFileInfo::exists(ToQString(path));
}

bool cQtPlatformServices::DeleteFile(const std::string& path) {
    return QFile::remove(ToQString(path));
}

cHelpWindow& cQtPlatformServices::HelpWindow() {
    if (!helpWindow_) {
        helpWindow_ = new cHelpWindow(cHelpWindow::DefaultHelpFolder());
        // The help window never keeps the program running after its main window closed.
        helpWindow_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return *helpWindow_;
}

void cQtPlatformServices::CloseHelp() {
    if (helpWindow_) helpWindow_->close();
}

void cQtPlatformServices::ShowHelpTopic(int topic) {
    cHelpWindow& window = HelpWindow();
    window.ShowTopic(topic);
    window.Present();
}

void cQtPlatformServices::ShowHelpPage(const QString& page) {
    cHelpWindow& window = HelpWindow();
    window.ShowPage(page);
    window.Present();
}

void cQtPlatformServices::Beep() {
    QApplication::beep();
}

void cQtPlatformServices::BeginWaitCursor() {
    ++waitCursorDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void cQtPlatformServices::EndWaitCursor() {
    if (waitCursorDepth_ == 0) return;
    --waitCursorDepth_;
    QApplication::restoreOverrideCursor();
}

std::tm cQtPlatformServices::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string cQtPlatformServices::ReadSetting(const std::string& section, const std::string& key,
                                             const std::string& defaultValue) {
    QVariant value = heldSettings_ ? heldSettings_->value(SettingKey(section, key))
                                   : Store().value(SettingKey(section, key));
    return value.isValid() ? ToStdString(value.toString()) : defaultValue;
}

void cQtPlatformServices::WriteSetting(const std::string& section, const std::string& key,
                                       const std::string& value) {
    if (heldSettings_) {
        heldSettings_->setValue(SettingKey(section, key), ToQString(value));
        return;
    }
    QSettings store = Store();
    store.setValue(SettingKey(section, key), ToQString(value));
}

void cQtPlatformServices::HoldSettingWrites() {
    if (settingHolds_++ > 0) return;
    heldSettings_ = std::make_unique<QSettings>(QStringLiteral("Korval"), QStringLiteral("Korval"));
    heldSettings_->installEventFilter(new cHeldWriteFilter(heldSettings_.get()));
}

void cQtPlatformServices::ReleaseSettingWrites() {
    if (settingHolds_ == 0) return;
    // The store writes its changes, if any, when it goes.
    if (--settingHolds_ == 0) heldSettings_.reset();
}

}  // namespace korval
