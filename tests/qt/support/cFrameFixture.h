#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/cEstimatorAppLogic.h"
#include "app/cRecentFileList.h"
#include "desktop/cMainFrame.h"
#include "tests/qt/support/cTestQtPlatform.h"

namespace korval::testing {

// A main frame on the test platform with the bundled defaults profile. Dialogs are
// answered by a script keyed by the dialog's title; unscripted dialogs are cancelled.
class cFrameFixture {
  public:
    using DialogScript = std::function<bool(QDialog& form)>;

    cFrameFixture();
    ~cFrameFixture();

    cTestQtPlatform platform;
    cEstimatorAppLogic logic;
    cRecentFileList recentFiles;
    std::unique_ptr<cMainFrame> frame;

    // The next dialog with this title runs the script (once).
    void OnDialog(const QString& title, DialogScript script);
    QStringList DialogsShown() const { return dialogsShown_; }
    // A new frame over the same settings, as after a restart.
    void Restart();

    // The menu bar's titles and the entries of one menu ("-" for separators, hidden
    // entries left out).
    QStringList MenuTitles() const;
    QStringList MenuEntries(const QString& title) const;

  private:
    std::vector<std::pair<QString, DialogScript>> scripts_;
    QStringList dialogsShown_;
};

}  // namespace korval::testing
