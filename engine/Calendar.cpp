// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Calendar.h"

#include "engine/Cp1251Literal.h"
#include "engine/Cycles.h"
#include "engine/Errors.h"
#include "engine/Numera.h"
#include "engine/Text.h"

#include <chrono>
#include <string_view>

namespace lirem::engine {
namespace {

// The Gregorian calendar repeats every 400 years (146097 days, a whole number
// of weeks), so any year maps onto one in the range std::chrono handles.
std::chrono::year_month CalendarMonth(std::int64_t year, std::int64_t month) {
    if (month < 1 || month > 12)
        throw DateEncodeError();
    const std::int64_t cycleYear = ((year % 400) + 400) % 400 + 2000;
    return std::chrono::year{static_cast<int>(cycleYear)} / std::chrono::month{static_cast<unsigned>(month)};
}

} // namespace

Caption PersonalYearText(std::int64_t personalYear) noexcept {
    return Caption("Индивидуальный Год "_cp).Append(personalYear);
}

Caption PersonalMonthText(std::int64_t personalMonth) noexcept {
    return Caption("Индивидуальный Месяц "_cp).Append(personalMonth);
}

std::int64_t PersonalMonthNumber(std::int64_t month, std::int64_t personalYear) noexcept {
    return ReduceToDigit(month + personalYear);
}

std::int64_t PersonalDayNumber(std::int64_t day, std::int64_t personalMonth) noexcept {
    return ReduceToDigit(day + personalMonth);
}

int FirstWeekday(std::int64_t year, std::int64_t month) {
    const std::chrono::sys_days first{CalendarMonth(year, month) / std::chrono::day{1}};
    return static_cast<int>(std::chrono::weekday{first}.iso_encoding());
}

int DaysInMonth(std::int64_t year, std::int64_t month) {
    const auto last = std::chrono::year_month_day_last{CalendarMonth(year, month) / std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

CalendarReport ComputeCalendar(std::int64_t year, std::int64_t month, std::int32_t day, std::int32_t birthMonth,
                               std::int32_t birthYear, std::int32_t personalMonth) {
    CalendarReport r;
    r.Year = year;
    r.Month = month;
    r.FirstWeekday = FirstWeekday(year, month);
    r.DaysInMonth = DaysInMonth(year, month);
    r.LifePath =
        ReduceWithMasters(ReduceWithMasters(day) + ReduceWithMasters(birthMonth) + ReduceWithMasters(birthYear));
    const std::int64_t q = ReduceWithMasters(year) + ReduceWithMasters(month);
    for (int k = 1; k <= kCalendarCells; ++k) {
        CalendarCell& cell = r.Cells[static_cast<std::size_t>(k - 1)];
        cell.Day = k + 1 - r.FirstWeekday;
        if (k <= 6)
            cell.Visibility = k >= r.FirstWeekday ? CellVisibility::Show : CellVisibility::Hide;
        else if (k >= 29)
            cell.Visibility = cell.Day <= r.DaysInMonth ? CellVisibility::Show : CellVisibility::Hide;
        cell.InMonth = cell.Visibility != CellVisibility::Hide;
        if (cell.InMonth) {
            cell.PersonalDay = PersonalDayNumber(cell.Day, personalMonth);
            cell.Purple = ReduceWithMasters(ReduceWithMasters(cell.Day) + q) == r.LifePath;
        }
    }
    return r;
}

std::int64_t SelectedYear(std::int32_t yearIndex) noexcept {
    return std::int64_t{yearIndex} + kFirstListYear;
}
std::int64_t SelectedMonth(std::int32_t monthIndex) noexcept {
    return std::int64_t{monthIndex} + 1;
}

} // namespace lirem::engine
