// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text for a terminal: names may hold bytes that a terminal would take as
// commands (escape sequences, carriage returns, C1 controls).

#include <string>

namespace lirem::report {

// Replaces every control character of UTF-8 text but the line feed and the
// tab by "?": C0 controls, DEL and the C1 controls U+0080..U+009F.
void ReplaceControlCharacters(std::string& utf8);

} // namespace lirem::report
