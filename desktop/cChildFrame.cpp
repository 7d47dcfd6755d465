#include "desktop/cChildFrame.h"

#include <QCloseEvent>

#include "app/qt/CommandIcons.h"
#include "app/qt/QtText.h"
#include "desktop/ReportViewFactory.h"
#include "desktop/cAfterFirstPaint.h"
#include "desktop/cReportView.h"
#include "framework/cModelDoc.h"
#include "framework/cUndoHistory.h"

namespace korval {

namespace {

// The width that shows the report's fourth column (the ranges) whole: the report places it
// 42 column units from the margin (see PageMetrics), and a range takes about 28 characters.
int ReportWidth(const QFontMetrics& metrics) {
    int columnUnit = (metrics.maxWidth() + metrics.averageCharWidth()) / 2;
    return 10 + 42 * columnUnit + 28 * metrics.averageCharWidth() + 40;
}

}  // namespace

cChildFrame::cChildFrame(std::unique_ptr<cModelDoc> document, cPlatformServices& platform,
                         QWidget* parent)
    : QMdiSubWindow(parent),
      document_(std::move(document)),
      history_(std::make_unique<cUndoHistory>(*document_)),
      view_(CreateReportView(*document_, platform)) {
    // An opened document matches its file: undoing back to here leaves nothing to save.
    if (!document_->GetPathName().empty() && !document_->IsModified()) {
        openedStatePending_ = true;
        cAfterFirstPaint::Run(*view_->viewport(), [this] { TakeOpenedState(); });
    }
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    setWindowIcon(DocumentKindIcon(document_->Kind()));
    connect(view_, &cReportView::DocumentChanged, this, &cChildFrame::DocumentChanged);
    RefreshTitle();
    resize(qMax(640, ReportWidth(view_->fontMetrics())), 460);
}

cChildFrame::~cChildFrame() {
    // The view leaves the document's observers before the document goes.
    delete view_;
}

cUndoHistory& cChildFrame::History() {
    TakeOpenedState();
    return *history_;
}

// Nothing is recorded before the opened state is taken: Record goes through History.
bool cChildFrame::CanUndo() const {
    return !openedStatePending_ && history_->CanUndo();
}

bool cChildFrame::CanRedo() const {
    return !openedStatePending_ && history_->CanRedo();
}

void cChildFrame::TakeOpenedState() {
    if (!openedStatePending_) return;
    openedStatePending_ = false;
    history_->MarkSaved();
}

void cChildFrame::RefreshTitle() {
    QString title = ToQString(document_->GetDocumentTitle());
    if (title.isEmpty()) title = QStringLiteral("Untitled");
    // Unsaved changes show in the title, as in every editor.
    setWindowTitle(document_->IsModified() ? title + QStringLiteral(" *") : title);
}

void cChildFrame::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && !document_->CanCloseDocument()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace korval
