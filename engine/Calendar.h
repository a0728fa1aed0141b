// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Personal Year, Personal Month and the 37-cell calendar of Personal Days.

#include "engine/Profile.h"
#include "engine/Text.h"

#include <array>
#include <cstdint>

namespace lirem::engine {

inline constexpr int kCalendarCells = 37;
inline constexpr std::int64_t kFirstListYear = 1950; // year list index 0

enum class CellVisibility : std::uint8_t {
    Leave, // cells 7..28: visibility untouched
    Show,
    Hide,
};

struct CalendarCell {
    std::int32_t Day = 0; // k + 1 - weekday of the 1st; may lie outside the month
    CellVisibility Visibility = CellVisibility::Leave;
    bool InMonth = false; // texts written: the day is 1..days in month
    std::int64_t PersonalDay = 0;
    bool Purple = false; // a spiritual birthday: the date's number equals the Life Path
};

struct CalendarReport {
    std::int64_t Year = 0;
    std::int64_t Month = 0;
    int FirstWeekday = 0; // 1 Monday .. 7 Sunday
    int DaysInMonth = 0;
    std::int64_t LifePath = 0;
    std::array<CalendarCell, kCalendarCells> Cells{};
};

// "Индивидуальный Год 5", "Индивидуальный Месяц 5".
[[nodiscard]] Caption PersonalYearText(std::int64_t personalYear) noexcept;
[[nodiscard]] Caption PersonalMonthText(std::int64_t personalMonth) noexcept;

[[nodiscard]] std::int64_t PersonalMonthNumber(std::int64_t month, std::int64_t personalYear) noexcept;
[[nodiscard]] std::int64_t PersonalDayNumber(std::int64_t day, std::int64_t personalMonth) noexcept;

// Gregorian weekday of the 1st (1 Monday .. 7 Sunday) and length of a month,
// for any year. A month outside 1..12 fails with DateEncodeError.
[[nodiscard]] int FirstWeekday(std::int64_t year, std::int64_t month);
[[nodiscard]] int DaysInMonth(std::int64_t year, std::int64_t month);

// The calendar of one month for a person born day.month.year whose stored
// Personal Month is personalMonth. Fails with DateEncodeError like FirstWeekday.
[[nodiscard]] CalendarReport ComputeCalendar(std::int64_t year, std::int64_t month, std::int32_t day,
                                             std::int32_t birthMonth, std::int32_t birthYear,
                                             std::int32_t personalMonth);

// The selected year and month of the two lists (index -1: no selection).
[[nodiscard]] std::int64_t SelectedYear(std::int32_t yearIndex) noexcept;
[[nodiscard]] std::int64_t SelectedMonth(std::int32_t monthIndex) noexcept;

} // namespace lirem::engine
