// SPDX-License-Identifier: GPL-3.0-or-later
// lirem-report: the calculator's results on the command line.

#include "report/App.h"
#include "report/LineSafeOutput.h"

#include <unistd.h>

#include <csignal>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::signal(SIGXFSZ, SIG_IGN); // a file size limit fails the write, as a full disk does
    lirem::report::LineSafeOutput output(STDOUT_FILENO);
    std::streambuf* const previous = std::cout.rdbuf(&output);
    int status = 1;
    try {
        status = lirem::report::RunApp(argc, argv, std::cin, std::cout, std::cerr, lirem::report::CurrentMonth(),
                                       {STDIN_FILENO, STDOUT_FILENO});
    } catch (const std::exception& e) {
        std::cerr << "lirem-report: " << e.what() << "\n";
    }
    std::cout.rdbuf(previous);
    return status;
}
