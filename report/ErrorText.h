// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Engine messages as the user sees them.

#include <string>
#include <string_view>

namespace lirem::report {

// The message with a full stop appended when its last character sorts after
// "." in code page order (a letter or a digit), as the window reports errors.
[[nodiscard]] std::string WithFullStop(std::string_view message);

} // namespace lirem::report
