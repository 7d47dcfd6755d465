// korval-cli as built with the desktop: the command-line tool (cli/main.cpp) with the
// "pdf" report format, which prints through the desktop's print path.
#include <iostream>

#include "cli/cCliRunner.h"
#include "desktop/CliPdfFormat.h"

int main(int argc, char** argv) {
    korval::cCliRunner runner;
    korval::RegisterPdfReportFormat(runner);
    return runner.Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
