// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/ControlNames.h"
#include "session/Display.h"

namespace lirem::session {

void ShowCycles(const engine::CycleReport& report, DisplaySink& out) {
    const auto startYear = [&out](std::string_view control, std::int64_t year) {
        out.SetText(control, engine::StartYearText(year).View());
    };
    // Each row's labels are numbered from 1; the first start is the birth date.
    for (std::size_t i = 0; i < report.Pinnacles.size(); ++i)
        SetNumber(out, control::lPinN(i + 1), report.Pinnacles[i]);
    out.SetText(control::lPinStartN(1), report.BirthDateText);
    for (std::size_t i = 0; i < report.PinnacleStartYears.size(); ++i)
        startYear(control::lPinStartN(i + 2), report.PinnacleStartYears[i]);
    for (std::size_t i = 0; i < report.Periods.size(); ++i)
        SetNumber(out, control::lPerN(i + 1), report.Periods[i]);
    out.SetText(control::lPerStartN(1), report.BirthDateText);
    for (std::size_t i = 0; i < report.PeriodStartYears.size(); ++i)
        startYear(control::lPerStartN(i + 2), report.PeriodStartYears[i]);
    for (std::size_t i = 0; i < report.Challenges.size(); ++i)
        SetNumber(out, control::lIspN(i + 1), report.Challenges[i]);
}

} // namespace lirem::session
