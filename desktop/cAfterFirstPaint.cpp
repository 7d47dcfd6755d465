#include "desktop/cAfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace korval {

cAfterFirstPaint::cAfterFirstPaint(QWidget& widget, std::function<void()> work)
    : QObject(&widget), work_(std::move(work)) {
    widget.installEventFilter(this);
}

void cAfterFirstPaint::Run(QWidget& widget, std::function<void()> work) {
    new cAfterFirstPaint(widget, std::move(work));
}

bool cAfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint) return false;
    watched->removeEventFilter(this);
    // The paint event is still being delivered: the work waits for the next turn.
    QTimer::singleShot(0, parent(), std::move(work_));
    deleteLater();
    return false;
}

}  // namespace korval
