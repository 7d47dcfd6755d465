#include "desktop/cStartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace korval {

cStartupProbe::cStartupProbe(bool waitForReport) : QObject(qApp), waitForReport_(waitForReport) {}

void cStartupProbe::InstallIfRequested() {
    const char* request = std::getenv("KORVAL_EXIT_AFTER_PAINT");
    if (request == nullptr || *request == '\0') return;
    qApp->installEventFilter(new cStartupProbe(std::strcmp(request, "report") == 0));
}

bool cStartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (done_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A report view paints its viewport, whose parent is the view.
    bool matches = waitForReport_ ? widget->parent() != nullptr &&
                                        widget->parent()->inherits("korval::cReportView")
                                  : widget->isWindow();
    if (matches) {
        done_ = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
}

}  // namespace korval
