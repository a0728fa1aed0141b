// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DateArgs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace lirem::report {
namespace {

struct BirthDateCase {
    std::string_view text;
    std::optional<session::BirthDate> expected;
};

TEST(DateArgs, BirthDates) {
    const BirthDateCase cases[] = {
        {"29.11.1985", session::BirthDate{29, 11, 1985}},
        {"5.9.1970", session::BirthDate{5, 9, 1970}},
        {"05.09.1970", session::BirthDate{5, 9, 1970}},
        {"-5.11.1985", session::BirthDate{-5, 11, 1985}}, // kept: the engine reports it
        {"1.0.1970", session::BirthDate{1, 0, 1970}},
        {"45.13.3000", session::BirthDate{45, 13, 3000}},
        {"+1.+1.+1970", session::BirthDate{1, 1, 1970}},
        {"2147483647.1.1", session::BirthDate{2147483647, 1, 1}},
        {"2147483648.1.1", std::nullopt}, // does not fit the field
        {"29.11", std::nullopt},
        {"29.11.1985.1", std::nullopt},
        {"29/11/1985", std::nullopt},
        {"29..1985", std::nullopt},
        {"a.b.c", std::nullopt},
        {" 29.11.1985", std::nullopt},
        {"+-5.1.1", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseBirthDate(c.text), c.expected) << c.text;
}

struct CalendarCase {
    std::string_view text;
    std::optional<session::CalendarMonth> expected;
};

TEST(DateArgs, CalendarMonths) {
    const CalendarCase cases[] = {
        {"2025-09", session::CalendarMonth{2025, 9}},
        {"2025-9", session::CalendarMonth{2025, 9}},
        {"1950-01", session::CalendarMonth{1950, 1}},
        {"2025-00", session::CalendarMonth{2025, 0}}, // kept: the engine reports it
        {"2025-13", session::CalendarMonth{2025, 13}},
        {"9999-12", session::CalendarMonth{9999, 12}},
        {"0-01", std::nullopt},
        {"10000-01", std::nullopt},
        {"2025-123", std::nullopt},
        {"2025--1", std::nullopt},
        {"-2025-01", std::nullopt},
        {"2025", std::nullopt},
        {"2025-", std::nullopt},
        {"09.2025", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCalendarMonth(c.text), c.expected) << c.text;
}

} // namespace
} // namespace lirem::report
