#include "desktop/cKorvalApplication.h"

#include <QMessageBox>
#include <exception>

namespace korval {

cKorvalApplication::cKorvalApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool cKorvalApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Report(QString::fromUtf8(error.what()));
    } catch (...) {
        Report(QStringLiteral("an unknown error"));
    }
    return false;
}

// One message at a time: the message box runs events of its own, which may fail alike.
void cKorvalApplication::Report(const QString& what) {
    if (reporting_) return;
    reporting_ = true;
    QMessageBox::warning(activeWindow(), QStringLiteral("Korval"),
                         QStringLiteral("Korval could not finish what it was doing:\n%1\n\n"
                                        "Your documents are still open; nothing was lost.")
                             .arg(what));
    reporting_ = false;
}

}  // namespace korval
