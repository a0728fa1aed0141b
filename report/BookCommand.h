// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// lirem-report book add|list|show|remove|export|import: the client book from
// the command line.

#include "session/PersonInput.h"

#include <istream>
#include <ostream>

namespace lirem::report {

// The command line starts with "book".
[[nodiscard]] bool IsBookCommand(int argc, const char* const* argv);

// Exit status: 0 success; 1 the book failed (its message on standard error),
// a card was not found, the engine rejected a card, or an imported row was
// bad; 2 bad arguments. today: the calendar month for checking cards with the
// engine.
[[nodiscard]] int RunBookCommand(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                                 std::ostream& err, session::CalendarMonth today);

} // namespace lirem::report
