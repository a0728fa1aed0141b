// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program behind main(), on streams, so tests can run it in-process.

#include "report/Descriptors.h"
#include "session/PersonInput.h"

#include <istream>
#include <ostream>
#include <string>

namespace lirem::report {

// Exit status: 0 success, 1 an engine error (or, in batch mode, a row that
// failed, or output that could not be written), 2 bad arguments. fds: the
// descriptors behind in and out, which decide how the batch buffers its output.
[[nodiscard]] int RunApp(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err,
                         session::CalendarMonth today, Descriptors fds = {});

// One person's results as a pretty-printed JSON object, with a final newline.
[[nodiscard]] std::string BuildJsonReport(const session::PersonInput& person);

// The current month of the local clock.
[[nodiscard]] session::CalendarMonth CurrentMonth();

} // namespace lirem::report
