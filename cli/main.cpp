#include <iostream>

#include "cli/cCliRunner.h"

int main(int argc, char** argv) {
    korval::cCliRunner runner;
    runner.LeaveDocumentToExit();
    return runner.Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
