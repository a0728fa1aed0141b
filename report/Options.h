// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: what to compute and how to print it.

#include "session/PersonInput.h"

#include <optional>
#include <string>

namespace lirem::report {

struct Options {
    session::PersonInput person;      // texts already in code page 1251
    bool json = false;                // one JSON object instead of the text report
    std::optional<std::string> batch; // CSV file, "-" for standard input

    // The printed reading.
    std::optional<std::string> pdf;    // the reading as a PDF file instead of the report
    std::optional<std::string> pdfDir; // with a batch: one PDF per good row in this folder
    bool force = false;                // PDF files may replace existing ones
};

// Either options to run, or what to print and the exit status (0 after
// --help or --version, 2 after a bad argument).
struct ParseOutcome {
    std::optional<Options> options;
    int exitCode = 0;
    std::string out; // for standard output
    std::string err; // for standard error
};

// today: the month the calendar shows when --calendar is not given.
[[nodiscard]] ParseOutcome ParseOptions(int argc, const char* const* argv, session::CalendarMonth today);

} // namespace lirem::report
