#include "desktop/cSystemView.h"

#include <QFileSystemWatcher>
#include <QSet>

#include "app/qt/QtText.h"
#include "app/qt/VectorUnitState.h"
#include "desktop/cAfterFirstPaint.h"
#include "framework/TextUtil.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {

// Beyond this many member files only their folders are watched: the system's own limit of
// watches is shared with every other program.
constexpr qsizetype kMostWatchedFiles = 2000;

}  // namespace

cSystemView::cSystemView(cModelDoc& document, cPlatformServices& platform, QWidget* parent)
    : cReportView(document, platform, parent), watcher_(new QFileSystemWatcher(this)) {
    setObjectName(QStringLiteral("systemView"));
    auto onChange = [this] {
        ReadChangedSourcesAgain();
        WatchMemberFiles();
    };
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, onChange);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, onChange);
    // A thousand watches take longer than painting the report: they start after its first
    // paint, and whatever changed since the members were read is read again then.
    cAfterFirstPaint::Run(*viewport(), [this] {
        ReadChangedSourcesAgain();
        WatchMemberFiles();
    });
}

cSystemDoc& cSystemView::System() const {
    return static_cast<cSystemDoc&>(Document());
}

QStringList cSystemView::ReadChangedSourcesAgain() {
    QStringList files;
    ClearUpperVectorState();
    for (const std::string& file : System().RereadChangedMembers()) files << ToQString(file);
    if (!files.isEmpty()) emit SourcesReadAgain(files);
    return files;
}

void cSystemView::OnDocumentUpdated(cModelDoc& document) {
    cReportView::OnDocumentUpdated(document);
    WatchMemberFiles();
}

void cSystemView::WatchMemberFiles() {
    QSet<QString> files;
    QSet<QString> folders;
    for (const std::string& file : System().MemberFiles()) {
        files.insert(ToQString(file));
        folders.insert(ToQString(FolderOf(file).string()));
    }
    folders.remove(QString());
    QSet<QString> wanted = folders;
    if (files.size() <= kMostWatchedFiles) wanted.unite(files);
    QSet<QString> watched;
    for (const QString& path : watcher_->files() + watcher_->directories()) {
        if (wanted.contains(path))
            watched.insert(path);
        else
            watcher_->removePath(path);
    }
    // A file replaced by a rename took its watch with it: its name is watched again.
    QStringList unwatched;
    for (const QString& path : wanted) {
        if (!watched.contains(path)) unwatched << path;
    }
    if (!unwatched.isEmpty()) watcher_->addPaths(unwatched);
}

}  // namespace korval
