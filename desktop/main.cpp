#include <QApplication>

#include "desktop/cEstimatorApp.h"
#include "desktop/cStartupProbe.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korval"));
    QApplication::setApplicationName(QStringLiteral("Korval"));
    korval::cStartupProbe::InstallIfRequested();
    korval::cEstimatorApp app(QApplication::arguments());
    if (!app.Start()) return 1;
    return QApplication::exec();
}
