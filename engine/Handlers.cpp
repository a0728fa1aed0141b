// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Handlers.h"

#include "engine/Calendar.h"
#include "engine/CoreNumbers.h"
#include "engine/Cycles.h"
#include "engine/FreeText.h"
#include "engine/NameAnalysis.h"
#include "engine/Partner.h"
#include "engine/Synthesis.h"

namespace lirem::engine {

void RunFullRecalculation(const WindowInputs& in, NumerologyProfile& profile, DisplaySink& out) {
    ShowCoreNumbers(in.day, in.month, in.year, in.first, in.middle, in.last, profile, out);
    ShowSynthesis(ComputeSynthesis(profile.LifePath, profile.Expression, profile.SoulUrge, profile.Personality,
                                   profile.Birthday, in.first),
                  out);
    ShowSpectrum(AnalyzeNameSpectrum(in.first, in.middle, in.last), profile, out);
    ShowCycles(ComputeCycles(in.day, in.month, in.year, profile.Birthday, profile.LifePath), out);
    ShowPersonalYear(in.yearIndex, in.monthIndex, in.day, in.month, in.year, profile, out);
}

void RunPartnerComparison(const WindowInputs& in, const NumerologyProfile& profile, DisplaySink& out) {
    const PartnerInputs partner{in.partnerDay,   in.partnerMonth,  in.partnerYear,
                                in.partnerFirst, in.partnerMiddle, in.partnerLast};
    ShowPartnerComparison(in.first, in.middle, in.last, partner, profile, out);
}

void RunFreeText(const WindowInputs& in, DisplaySink& out) {
    ShowFreeText(in.miscText, out);
}

void RunYearChange(const WindowInputs& in, NumerologyProfile& profile, DisplaySink& out) {
    ShowPersonalYear(in.yearIndex, in.monthIndex, in.day, in.month, in.year, profile, out);
}

void RunMonthChange(const WindowInputs& in, NumerologyProfile& profile, DisplaySink& out) {
    ShowPersonalMonth(in.yearIndex, in.monthIndex, in.day, in.month, in.year, profile, out);
}

} // namespace lirem::engine
