#include "desktop/cChildFrame.h"

#include <QCloseEvent>

#include "app/qt/CommandIcons.h"
#include "app/qt/QtText.h"
#include "desktop/ReportViewFactory.h"
#include "desktop/cReportView.h"
#include "framework/cModelDoc.h"

namespace korval {

cChildFrame::cChildFrame(std::unique_ptr<cModelDoc> document, cPlatformServices& platform,
                         QWidget* parent)
    : QMdiSubWindow(parent),
      document_(std::move(document)),
      view_(CreateReportView(*document_, platform)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    setWindowIcon(DocumentKindIcon(document_->Kind()));
    connect(view_, &cReportView::DocumentChanged, this, &cChildFrame::DocumentChanged);
    RefreshTitle();
    resize(640, 420);
}

cChildFrame::~cChildFrame() {
    // The view leaves the document's observers before the document goes.
    delete view_;
}

void cChildFrame::RefreshTitle() {
    QString title = ToQString(document_->GetDocumentTitle());
    setWindowTitle(title.isEmpty() ? QStringLiteral("Untitled") : title);
}

void cChildFrame::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && !document_->CanCloseDocument()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace korval
