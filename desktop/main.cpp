#include <QApplication>

#include "app/qt/cEstimatorApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korval"));
    QApplication::setApplicationName(QStringLiteral("Korval"));
    korval::cEstimatorApp app(QApplication::arguments());
    if (!app.Start()) return 1;
    return QApplication::exec();
}
