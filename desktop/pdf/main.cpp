#include <iostream>

#include "app/CommandLineInfo.h"
#include "desktop/pdf/CliPdfFormat.h"

// korval-pdf: korval-cli's PDF output, printed with Qt Gui alone (no widgets), so that it
// starts faster than the desktop program would.
int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (korval::FindInfoOption(arguments)) {
        case korval::InfoOption::Help:
            std::cout << korval::kPdfRendererUsage;
            return 0;
        case korval::InfoOption::Version:
            std::cout << korval::VersionText(korval::kPdfRendererCommand);
            return 0;
        case korval::InfoOption::None:
            break;
    }
    return korval::PrintPdfHeadless(korval::kPdfRendererCommand, arguments, std::cout, std::cerr);
}
