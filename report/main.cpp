// lirem-report: the calculator's results on the command line.

#include "report/App.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        return lirem::report::RunApp(argc, argv, std::cin, std::cout, std::cerr, lirem::report::CurrentMonth());
    } catch (const std::exception& e) {
        std::cerr << "lirem-report: " << e.what() << "\n";
        return 1;
    }
}
