#include <QApplication>
#include <iostream>
#include <string_view>

#include "cli/DesktopPdfPrint.h"
#include "desktop/CliPdfFormat.h"
#include "desktop/cEstimatorApp.h"
#include "desktop/cStartupProbe.h"

int main(int argc, char** argv) {
    // korval-cli's PDF output, printed without a window.
    if (argc > 1 && std::string_view(argv[1]) == korval::kPrintPdfOption) {
        return korval::PrintPdfHeadless(std::vector<std::string>(argv + 2, argv + argc), std::cout,
                                        std::cerr);
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korval"));
    QApplication::setApplicationName(QStringLiteral("Korval"));
    korval::cStartupProbe::InstallIfRequested();
    korval::cEstimatorApp app(QApplication::arguments());
    if (!app.Start()) return 1;
    return QApplication::exec();
}
