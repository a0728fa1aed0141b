// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One person's inputs as the window's fields hold them: numbers as the
// spin edits report them, texts already in code page 1251.

#include <cstdint>
#include <optional>
#include <string>

namespace lirem::session {

struct BirthDate {
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 1970; // the window's default year of birth
    friend bool operator==(const BirthDate&, const BirthDate&) = default;
};

// The month the calendar page shows. A month outside 1..12 is passed on to
// the engine, which rejects it exactly as the window does.
struct CalendarMonth {
    std::int32_t year = 1970;
    std::int32_t month = 1;
    friend bool operator==(const CalendarMonth&, const CalendarMonth&) = default;
};

struct PartnerInput {
    BirthDate date;
    std::string first;
    std::string middle;
    std::string last;
};

struct PersonInput {
    BirthDate date;
    std::string first;
    std::string middle;
    std::string last;
    CalendarMonth calendar;
    std::optional<PartnerInput> partner; // the partner page is shown only with a partner
    std::optional<std::string> text;     // the free-text page is shown only with a text
};

} // namespace lirem::session
