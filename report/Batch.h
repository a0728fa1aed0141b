// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Batch mode: one person per CSV row in, one JSON object per line out.
//
// Columns: birth date (D.M.Y), first, middle and last name; optionally four
// more: partner's birth date, first, middle and last name. A first row whose
// first field is "date" is a header and is skipped, as are blank lines. A row
// that cannot be computed gives {"row": n, "error": reason} and the batch goes
// on; n is the line on which the row starts.

#include "session/PersonInput.h"
#include "session/RecordingSink.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>

namespace lirem::report {

struct BatchSummary {
    std::int64_t people = 0; // rows written as results
    std::int64_t errors = 0; // rows written as error objects
    bool writeFailed = false;
};

// Called for each row that was computed, before its line is written; a
// non-empty result makes the row an error with that reason.
// Called for each good row with what the window would show for it (only
// then does the batch record the window's controls).
using RowHook = std::function<std::string(std::int64_t line, const session::PersonInput& person,
                                          const session::RecordingSink& shown)>;

// lineBuffered: for a reader waiting on a pipe or a terminal, the lines
// written so far are flushed whenever the input has nothing more to read at
// once, so each answer is out before its sender is waited for; otherwise (and
// between such waits) lines are written in large blocks. With a row hook,
// each row's line is flushed after its hook.
[[nodiscard]] BatchSummary RunBatch(std::istream& in, std::ostream& out, session::CalendarMonth calendar,
                                    bool lineBuffered = false, const RowHook& rowDone = {});

} // namespace lirem::report
