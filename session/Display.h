// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display steps: each stage's results written into the window's named
// controls through a sink, in the order the window writes them, with what
// the later stages read stored in the profile. A step that computes while it
// writes (the core numbers, the calendar) returns what it computed, so one run
// serves the window, the reading and both reports.

#include "engine/Profile.h"
#include "session/DisplaySink.h"
#include "session/PersonResult.h"

#include <cstdint>
#include <string_view>

namespace lirem::session {

// Writes a number as a control's text.
void SetNumber(DisplaySink& out, std::string_view control, std::int64_t number);

// First stage of the recalculation: clears the digit marks, resets the notes,
// then computes, stores and shows each number in turn. A ConvertError leaves
// exactly the writes made before it.
engine::CoreReport ShowCoreNumbers(std::int32_t day, std::int32_t month, std::int32_t year, std::string_view first,
                                   std::string_view middle, std::string_view last, engine::NumerologyProfile& profile,
                                   DisplaySink& out);
// Second stage.
void ShowSynthesis(const engine::SynthesisReport& report, DisplaySink& out);
// Third stage: writes the page and sets the digit marks.
void ShowSpectrum(const engine::SpectrumReport& report, engine::NumerologyProfile& profile, DisplaySink& out);
// Fourth stage.
void ShowCycles(const engine::CycleReport& report, DisplaySink& out);

// Resets all Personal Day colours to teal, then writes the cells of the
// calendar month; a month outside 1..12 fails after the colours.
engine::CalendarReport FillCalendar(std::int64_t year, std::int64_t month, std::int32_t day, std::int32_t birthMonth,
                                    std::int32_t birthYear, const engine::NumerologyProfile& profile, DisplaySink& out);
// Personal Year and Personal Month of the calendar month, stored and shown,
// then the calendar (end of the recalculation; the year list change).
engine::CalendarReport ShowPersonalYear(std::int64_t year, std::int64_t month, std::int32_t day,
                                        std::int32_t birthMonth, std::int32_t birthYear,
                                        engine::NumerologyProfile& profile, DisplaySink& out);
// Personal Month from the stored Personal Year, then the calendar (the month list change).
engine::CalendarReport ShowPersonalMonth(std::int64_t year, std::int64_t month, std::int32_t day,
                                         std::int32_t birthMonth, std::int32_t birthYear,
                                         engine::NumerologyProfile& profile, DisplaySink& out);

// The whole partner page: the warning when the first person's name fields are
// all blank (then no partner number is computed), otherwise the comparison.
PartnerResult ShowPartnerComparison(std::string_view first, std::string_view middle, std::string_view last,
                                    const engine::PartnerInputs& partner, const engine::NumerologyProfile& profile,
                                    DisplaySink& out);

// The page for the text as typed: a blank text changes nothing (and counts
// as the empty text).
engine::FreeTextReport ShowFreeText(std::string_view text, DisplaySink& out);

} // namespace lirem::session
