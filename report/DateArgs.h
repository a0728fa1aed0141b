// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parsing of the date arguments: "29.11.1985" and "2025-09".

#include "session/PersonInput.h"

#include <optional>
#include <string_view>

namespace lirem::report {

// "D.M.Y": three decimal integers (each may carry a sign) separated by dots.
// Signs and out-of-range values are kept: the engine decides about them.
[[nodiscard]] std::optional<session::BirthDate> ParseBirthDate(std::string_view text);

// "YYYY-MM": a year 1..9999 and a month of one or two digits (0..99).
[[nodiscard]] std::optional<session::CalendarMonth> ParseCalendarMonth(std::string_view text);

// One decimal integer with an optional sign that fits 32 bits.
[[nodiscard]] std::optional<std::int32_t> ParseInt32(std::string_view text);

} // namespace lirem::report
