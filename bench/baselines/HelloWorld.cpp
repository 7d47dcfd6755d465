// The smallest C++ program a command-line tool can be compared with.
#include <iostream>

int main() {
    std::cout << "Hello, world\n";
    return 0;
}
