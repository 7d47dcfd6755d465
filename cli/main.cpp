#include <iostream>

#include "cli/cCliRunner.h"

int main(int argc, char** argv) {
    return korval::cCliRunner().Run(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                    std::cerr);
}
