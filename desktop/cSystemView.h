#pragma once

#include <QStringList>

#include "desktop/cReportView.h"

class QFileSystemWatcher;

namespace korval {

class cSystemDoc;

// The report window of a system level estimation document. It keeps the system live:
// a member file that changes on disk (or is saved by Korval) is read again and the
// report redrawn, without marking the system modified.
class cSystemView : public cReportView {
    Q_OBJECT
  public:
    cSystemView(cModelDoc& document, cPlatformServices& platform, QWidget* parent = nullptr);

    QStringList ReadChangedSourcesAgain() override;
    void OnDocumentUpdated(cModelDoc& document) override;

  private:
    cSystemDoc& System() const;
    // Watches every member file and the folders they are in: a save that replaces a file
    // by renaming shows only in its folder.
    void WatchMemberFiles();

    QFileSystemWatcher* watcher_;
};

}  // namespace korval
