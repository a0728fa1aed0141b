// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Numera.h"
#include "layout/ControlNames.h"
#include "session/Display.h"

namespace lirem::session {
namespace {

// The day of the month and the Personal Day of calendar cell i (from 0).
std::string_view DayLabel(std::size_t i) {
    return control::lDayN(i + 1);
}
std::string_view PersonalDayLabel(std::size_t i) {
    return control::liDayN(i + 1);
}

engine::CalendarReport ShowPersonalMonthFrom(std::int64_t personalYear, std::int64_t year, std::int64_t month,
                                             std::int32_t day, std::int32_t birthMonth, std::int32_t birthYear,
                                             engine::NumerologyProfile& profile, DisplaySink& out) {
    const std::int64_t pm = engine::PersonalMonthNumber(month, personalYear);
    profile.PersonalMonth = engine::ClampToInt32(pm);
    out.SetText(control::liMonth, engine::PersonalMonthText(pm).View());
    return FillCalendar(year, month, day, birthMonth, birthYear, profile, out);
}

} // namespace

engine::CalendarReport FillCalendar(std::int64_t year, std::int64_t month, std::int32_t day, std::int32_t birthMonth,
                                    std::int32_t birthYear, const engine::NumerologyProfile& profile,
                                    DisplaySink& out) {
    if (!out.Keeps()) // the cells' 84 labels are only written
        return engine::ComputeCalendar(year, month, day, birthMonth, birthYear, profile.PersonalMonth);
    // The colours are reset before a month that cannot be computed fails.
    for (std::size_t i = 0; i < engine::kCalendarCells; ++i)
        out.SetFontColour(PersonalDayLabel(i), layout::colour::Teal);
    engine::CalendarReport r = engine::ComputeCalendar(year, month, day, birthMonth, birthYear, profile.PersonalMonth);
    for (std::size_t i = 0; i < engine::kCalendarCells; ++i) {
        const engine::CalendarCell& cell = r.Cells[i];
        if (cell.Visibility != engine::CellVisibility::Leave) {
            const bool show = cell.Visibility == engine::CellVisibility::Show;
            out.SetVisible(DayLabel(i), show);
            out.SetVisible(PersonalDayLabel(i), show);
        }
        if (!cell.InMonth)
            continue;
        SetNumber(out, DayLabel(i), std::int64_t{cell.Day});
        SetNumber(out, PersonalDayLabel(i), cell.PersonalDay);
        if (cell.Purple)
            out.SetFontColour(PersonalDayLabel(i), layout::colour::Purple);
    }
    return r;
}

engine::CalendarReport ShowPersonalYear(std::int64_t year, std::int64_t month, std::int32_t day,
                                        std::int32_t birthMonth, std::int32_t birthYear,
                                        engine::NumerologyProfile& profile, DisplaySink& out) {
    const std::int64_t py = engine::PersonalYearNumber(year, day, birthMonth);
    profile.PersonalYear = engine::ClampToInt32(py);
    out.SetText(control::liYear, engine::PersonalYearText(py).View());
    return ShowPersonalMonthFrom(py, year, month, day, birthMonth, birthYear, profile, out);
}

engine::CalendarReport ShowPersonalMonth(std::int64_t year, std::int64_t month, std::int32_t day,
                                         std::int32_t birthMonth, std::int32_t birthYear,
                                         engine::NumerologyProfile& profile, DisplaySink& out) {
    return ShowPersonalMonthFrom(profile.PersonalYear, year, month, day, birthMonth, birthYear, profile, out);
}

} // namespace lirem::session
