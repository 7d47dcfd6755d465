#include <QApplication>
#include <iostream>
#include <string_view>

#include "app/CommandLineInfo.h"
#include "app/qt/QtText.h"
#include "cli/DesktopPdfPrint.h"
#include "desktop/CliChartFormat.h"
#include "desktop/cEstimatorApp.h"
#include "desktop/cFontWarmUp.h"
#include "desktop/cKorvalApplication.h"
#include "desktop/cStartupProbe.h"
#include "desktop/pdf/CliPdfFormat.h"

// The desktop's fonts start loading before the libraries' own initialisation.
[[gnu::section(".preinit_array"),
  gnu::used]] static void (*const kStartFontWarmUp)(int, char**,
                                                    char**) = &korval::cFontWarmUp::StartEarly;

int main(int argc, char** argv) {
    // korval-cli's PDF output, printed without a window.
    if (argc > 1 && std::string_view(argv[1]) == korval::kPrintPdfOption) {
        return korval::PrintPdfHeadless("korval --print-pdf",
                                        std::vector<std::string>(argv + 2, argv + argc), std::cout,
                                        std::cerr);
    }
    // korval-cli's chart images, drawn without a window.
    if (argc > 1 && std::string_view(argv[1]) == korval::kPrintChartOption) {
        return korval::DrawChartsHeadless(std::vector<std::string>(argv + 2, argv + argc),
                                          std::cout, std::cerr);
    }
    // --help and --version answer before Qt looks for a display.
    if (std::optional<int> status =
            korval::AnswerDesktopInfoOption({argv + 1, argv + argc}, std::cout)) {
        return *status;
    }
    korval::cFontWarmUp fonts;
    korval::cKorvalApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korval"));
    QApplication::setApplicationName(QStringLiteral("Korval"));
#ifdef KORVAL_APP_ID
    QApplication::setDesktopFileName(QStringLiteral(KORVAL_APP_ID));
#endif
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(korval::ToStdString(argument));
    if (std::optional<int> status = korval::RefuseDesktopOptions(arguments, std::cerr))
        return *status;
    korval::cStartupProbe::InstallIfRequested();
    korval::cEstimatorApp app(QApplication::arguments());
    fonts.ApplicationReady();
    bool started = app.Start();
    fonts.Finish();
    if (!started) return 1;
    return QApplication::exec();
}
