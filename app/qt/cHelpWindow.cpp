#include "app/qt/cHelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include "app/cEstimatorAppLogic.h"
#include "app/qt/QtText.h"

namespace korval {

namespace {
QString TopicAnchor(int topic) {
    return QStringLiteral("topic-%1").arg(topic);
}
}  // namespace

cHelpWindow::cHelpWindow(QString helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      helpFolder_(std::move(helpFolder)),
      browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Korval Help"));
    setObjectName(QStringLiteral("helpWindow"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({helpFolder_, DataFolder()});

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(kContentsPage); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(720, 600);
}

QString cHelpWindow::DataFolder() {
    return ToQString(
        cEstimatorAppLogic::ShippedDataFolder(ToStdString(QCoreApplication::applicationDirPath())));
}

QString cHelpWindow::DefaultHelpFolder() {
    return QDir(DataFolder()).filePath(QStringLiteral("help"));
}

QString cHelpWindow::TutorialPath() {
    return QDir(DataFolder()).filePath(kTutorialFile);
}

void cHelpWindow::ShowPage(const QString& page) {
    QString file = page.section('#', 0, 0);
    QString anchor = page.section('#', 1);
    QString path = QDir::isAbsolutePath(file) ? file : QDir(helpFolder_).filePath(file);
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    if (!QFile::exists(path)) {
        browser_->setHtml(
            QStringLiteral("<h2>Help page not found</h2><p>%1 is missing. Reinstall Korval "
                           "to restore its help pages.</p>")
                .arg(path.toHtmlEscaped()));
        return;
    }
    browser_->setSource(url);
}

bool cHelpWindow::HasTopic(int topic) const {
    QFile file(QDir(helpFolder_).filePath(kReferencePage));
    if (!file.open(QIODevice::ReadOnly)) return false;
    return QString::fromUtf8(file.readAll())
        .contains(QStringLiteral("name=\"%1\"").arg(TopicAnchor(topic)));
}

void cHelpWindow::ShowTopic(int topic) {
    if (topic > 0 && HasTopic(topic)) {
        ShowPage(QStringLiteral("%1#%2").arg(kReferencePage, TopicAnchor(topic)));
    } else {
        ShowPage(kContentsPage);
    }
}

void cHelpWindow::Present() {
    // Over a modal dialog the help window belongs to that dialog for as long as it is open:
    // a window the dialog owns is kept above it and is not blocked by it, so the help can be
    // read, scrolled and followed while the dialog waits. With no dialog it stands alone.
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal != nullptr && modal != this ? modal->window()->windowHandle() : nullptr;
    winId();  // the native window the owner is set on
    windowHandle()->setTransientParent(owner);
    show();
    windowHandle()->setTransientParent(owner);
    raise();
    activateWindow();
}

QString cHelpWindow::CurrentPage() const {
    QUrl source = browser_->source();
    QString name = QFileInfo(source.toLocalFile()).fileName();
    return source.hasFragment() ? name + '#' + source.fragment() : name;
}

}  // namespace korval
