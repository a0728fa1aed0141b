// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Handlers.h"

#include "session/Display.h"

namespace lirem::session {

Recalculation RunFullRecalculation(const PersonInput& in, engine::NumerologyProfile& profile, DisplaySink& out) {
    const BirthDate& d = in.date;
    Recalculation r;
    r.core = ShowCoreNumbers(d.day, d.month, d.year, in.first, in.middle, in.last, profile, out);
    r.synthesis = engine::ComputeSynthesis(profile.LifePath, profile.Expression, profile.SoulUrge, profile.Personality,
                                           profile.Birthday, in.first);
    ShowSynthesis(r.synthesis, out);
    r.spectrum = engine::AnalyzeNameSpectrum(in.first, in.middle, in.last);
    ShowSpectrum(r.spectrum, profile, out);
    r.cycles = engine::ComputeCycles(d.day, d.month, d.year, profile.Birthday, profile.LifePath);
    ShowCycles(r.cycles, out);
    r.calendar = RunYearChange(in, profile, out);
    return r;
}

PartnerResult RunPartnerComparison(const PersonInput& in, const engine::NumerologyProfile& profile, DisplaySink& out) {
    const PartnerInput p = in.partner.value_or(PartnerInput{});
    const engine::PartnerInputs partner{p.date.day, p.date.month, p.date.year, p.first, p.middle, p.last};
    return ShowPartnerComparison(in.first, in.middle, in.last, partner, profile, out);
}

engine::FreeTextReport RunFreeText(const PersonInput& in, DisplaySink& out) {
    return ShowFreeText(in.text ? std::string_view(*in.text) : std::string_view(), out);
}

engine::CalendarReport RunYearChange(const PersonInput& in, engine::NumerologyProfile& profile, DisplaySink& out) {
    return ShowPersonalYear(in.calendar.year, in.calendar.month, in.date.day, in.date.month, in.date.year, profile,
                            out);
}

engine::CalendarReport RunMonthChange(const PersonInput& in, engine::NumerologyProfile& profile, DisplaySink& out) {
    return ShowPersonalMonth(in.calendar.year, in.calendar.month, in.date.day, in.date.month, in.date.year, profile,
                             out);
}

} // namespace lirem::session
