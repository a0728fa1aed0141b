// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What kind of file stands behind the tool's input and output.

#include <string>

namespace lirem::report {

// A pipe, a socket or a terminal: someone may be waiting for each line.
[[nodiscard]] bool IsInteractive(int fd);
[[nodiscard]] bool IsInteractive(const std::string& path);

// The descriptors behind the streams RunApp gets; -1 when there is none
// (in-process runs on string streams).
struct Descriptors {
    int in = -1;
    int out = -1;
};

} // namespace lirem::report
