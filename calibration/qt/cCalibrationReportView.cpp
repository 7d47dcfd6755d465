#include "calibration/qt/cCalibrationReportView.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/qt/cQtScreenSurface.h"
#include "calibration/CalibrationReport.h"

namespace korval {

cCalibrationReportView::cCalibrationReportView(const Calibration& calibration, QWidget* parent)
    : QWidget(parent), calibration_(calibration) {
    setObjectName(QStringLiteral("calibrationReport"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumHeight(LaidOutHeight());
}

int cCalibrationReportView::LaidOutHeight() const {
    cQtScreenSurface surface(nullptr, *this, *this);
    return LayOutCalibrationReport(calibration_, surface).Height() + 20;
}

QSize cCalibrationReportView::sizeHint() const {
    return {760, LaidOutHeight()};
}

void cCalibrationReportView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setMinimumHeight(LaidOutHeight());
}

void cCalibrationReportView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    cQtScreenSurface surface(&painter, *this, *this);
    cReportLayout layout = LayOutCalibrationReport(calibration_, surface);
    layout.DrawWithin(surface, event->rect().top(), event->rect().bottom() + 1);
}

}  // namespace korval
