#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "framework/cPlatformServices.h"

class QDialog;
class QFileDialog;
class QSettings;

namespace korval {

class cHelpWindow;

// The desktop's platform: Qt message boxes and file dialogs, the QSettings store of
// organisation and application "Korval", the help window, the wait cursor and the
// dialog forms of cDialogFormRegistry.
//
// Everything modal can be answered by a responder instead of a person, so automated
// runs never block: a responder set for a kind of prompt answers it and no window opens.
class cQtPlatformServices : public cPlatformServices {
  public:
    using MessageResponder =
        std::function<MessageAnswer(const std::string& text, MessageButtons buttons)>;
    // Gets the form, built and filled but not shown; returns true for OK.
    using DialogResponder = std::function<bool(QDialog& form, cDialogLogic& logic)>;
    using FileResponder =
        std::function<std::string(const std::string& initial, const QStringList& filters)>;

    cQtPlatformServices();
    ~cQtPlatformServices() override;

    // Owner of message boxes and dialogs.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    QWidget* DialogParent() const;

    void SetMessageResponder(MessageResponder responder) {
        messageResponder_ = std::move(responder);
    }
    void SetDialogResponder(DialogResponder responder) { dialogResponder_ = std::move(responder); }
    void SetOpenFileResponder(FileResponder responder) {
        openFileResponder_ = std::move(responder);
    }
    void SetSaveFileResponder(FileResponder responder) {
        saveFileResponder_ = std::move(responder);
    }

    MessageAnswer ShowMessage(const std::string& text,
                              MessageButtons buttons = MessageButtons::Ok) override;
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
    void ShowHelpTopic(int topic) override;
    void Beep() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::tm Now() override;
    std::string ReadSetting(const std::string& section, const std::string& key,
                            const std::string& defaultValue) override;
    void WriteSetting(const std::string& section, const std::string& key,
                      const std::string& value) override;

    // Each QSettings write of its own is a synced write of the whole file. While held,
    // writes go into one store kept open and reach the disk once, when the last hold is
    // released (or this object goes); reads see them at once. Holds nest.
    void HoldSettingWrites();
    void ReleaseSettingWrites();

    // Help beyond the dialogs' topics: the contents page, how to use help, the tutorial.
    virtual void ShowHelpPage(const QString& page);
    cHelpWindow& HelpWindow();
    // Closes the help window if it is open.
    void CloseHelp();

  private:
    std::string RunFileDialog(QFileDialog& dialog, const std::string& initial);

    QPointer<QWidget> mainWindow_;
    QPointer<cHelpWindow> helpWindow_;
    MessageResponder messageResponder_;
    DialogResponder dialogResponder_;
    FileResponder openFileResponder_;
    FileResponder saveFileResponder_;
    int waitCursorDepth_ = 0;
    std::unique_ptr<QSettings> heldSettings_;
    int settingHolds_ = 0;
};

}  // namespace korval
