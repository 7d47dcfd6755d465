#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace korval {

// The help viewer: the HTML pages shipped in the help folder, shown in a browser window
// with Contents, Back and Forward. Dialog help topics are anchors "topic-N" of the
// reference page.
class cHelpWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kContentsPage = "index.html";
    static constexpr const char* kReferencePage = "reference.html";
    static constexpr const char* kHowToUsePage = "howto.html";
    static constexpr const char* kTutorialFile = "tutorial.html";

    explicit cHelpWindow(QString helpFolder, QWidget* parent = nullptr);

    // The shipped data folder: beside the executable in a build, share/korval installed.
    static QString DataFolder();
    // The "help" folder in the data folder.
    static QString DefaultHelpFolder();
    // tutorial.html in the data folder.
    static QString TutorialPath();

    // A page of the help folder ("index.html", "reference.html#topic-41"), or an
    // absolute path.
    void ShowPage(const QString& page);
    // The reference section of the topic; the contents page when no section has that number.
    void ShowTopic(int topic);
    bool HasTopic(int topic) const;
    void Present();

    QTextBrowser& Browser() { return *browser_; }
    QString CurrentPage() const;

  private:
    QString helpFolder_;
    QTextBrowser* browser_;
};

}  // namespace korval
