#include "desktop/cReportView.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <memory>

#include "app/qt/VectorUnitState.h"
#include "app/qt/cQtPrintJob.h"
#include "app/qt/cQtScreenSurface.h"
#include "framework/PageMetrics.h"
#include "framework/cModelDoc.h"
#include "framework/cPlatformServices.h"

namespace korval {

cReportView::cReportView(cModelDoc& document, cPlatformServices& platform, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), platform_(platform) {
    setObjectName(QStringLiteral("reportView"));
    setFocusPolicy(Qt::StrongFocus);
    // The report is a document on screen: the palette's colours of text in an editor, so a
    // dark theme shows it light on dark.
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setForegroundRole(QPalette::Text);
    document_.AddObserver(this);
    ApplyScrollSizes();
}

cReportView::~cReportView() {
    document_.RemoveObserver(this);
}

bool cReportView::EnsureLayout() {
    cQtScreenSurface surface(nullptr, *this, *viewport());
    if (layout_ && layout_->Metrics() == PageMetrics::Compute(surface)) return false;
    ClearUpperVectorState();
    layout_ = document_.LayOutReport(surface);
    ++layoutCount_;
    return true;
}

void cReportView::ApplyScrollSizes() {
    int width = document_.GetReportExtentWidth();
    int height = document_.GetReportExtentHeight();
    QSize client = viewport()->size();
    int line = qMax(1, fontMetrics().height());
    horizontalScrollBar()->setRange(0, qMax(0, width - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    horizontalScrollBar()->setSingleStep(line);
    verticalScrollBar()->setRange(0, qMax(0, height - client.height()));
    verticalScrollBar()->setPageStep(client.height());
    verticalScrollBar()->setSingleStep(line);
}

void cReportView::UpdateScrollSizes() {
    layout_.reset();
    EnsureLayout();
    ApplyScrollSizes();
}

void cReportView::Refresh() {
    UpdateScrollSizes();
    viewport()->update();
}

void cReportView::paintEvent(QPaintEvent* event) {
    bool laidOut = EnsureLayout();
    int left = horizontalScrollBar()->value();
    int top = verticalScrollBar()->value();
    QPainter painter(viewport());
    painter.translate(-left, -top);
    cQtScreenSurface surface(&painter, *this, *viewport());
    // Only the rows reaching into the part to be painted are drawn.
    QRect exposed = event->rect();
    layout_->DrawWithin(surface, exposed.top() + top, exposed.bottom() + 1 + top);
    painter.end();
    if (laidOut) ApplyScrollSizes();
}

void cReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ApplyScrollSizes();
}

bool cReportView::viewportEvent(QEvent* event) {
    // Text is laid out from the top left corner: a resize needs a full repaint.
    if (event->type() == QEvent::Resize) viewport()->update();
    return QAbstractScrollArea::viewportEvent(event);
}

void cReportView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
        case Qt::Key_PageUp:
            vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_End:
            vertical->triggerAction(QAbstractSlider::SliderToMaximum);
            horizontal->triggerAction(QAbstractSlider::SliderToMinimum);
            break;
        case Qt::Key_Home:
            vertical->triggerAction(QAbstractSlider::SliderToMinimum);
            horizontal->triggerAction(QAbstractSlider::SliderToMinimum);
            break;
        case Qt::Key_Left:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Up:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void cReportView::OnDocumentUpdated(cModelDoc&) {
    Refresh();
    emit DocumentChanged();
}

int cReportView::PrintTo(QPrinter& printer) {
    platform_.BeginWaitCursor();
    int pages = cQtPrintJob(document_, platform_.Now()).Run(printer);
    platform_.EndWaitCursor();
    return pages;
}

void cReportView::Print(QPrinter& printer) {
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted) return;
    if (PrintTo(printer) == 0) platform_.ShowMessage("The report could not be printed.");
}

QPrintPreviewDialog* cReportView::CreatePreviewDialog(QPrinter& printer) {
    auto* preview = new QPrintPreviewDialog(&printer, this);
    preview->setWindowTitle(QStringLiteral("Print Preview"));
    connect(preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        // The preview always shows every page, whatever range the last print used.
        target->setPrintRange(QPrinter::AllPages);
        PrintTo(*target);
    });
    preview->resize(900, 700);
    return preview;
}

void cReportView::PrintPreview(QPrinter& printer) {
    std::unique_ptr<QPrintPreviewDialog> preview(CreatePreviewDialog(printer));
    preview->exec();
}

}  // namespace korval
