// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/WindowRun.h"

#include "engine/Calendar.h"
#include "engine/Handlers.h"

namespace lirem::report {
namespace {

engine::WindowInputs ToWindow(const PersonInput& in) {
    engine::WindowInputs w;
    w.day = in.date.day;
    w.month = in.date.month;
    w.year = in.date.year;
    w.first = in.first;
    w.middle = in.middle;
    w.last = in.last;
    w.yearIndex = static_cast<std::int32_t>(in.calendar.year - engine::kFirstListYear);
    w.monthIndex = in.calendar.month - 1;
    if (in.partner) {
        w.partnerDay = in.partner->date.day;
        w.partnerMonth = in.partner->date.month;
        w.partnerYear = in.partner->date.year;
        w.partnerFirst = in.partner->first;
        w.partnerMiddle = in.partner->middle;
        w.partnerLast = in.partner->last;
    }
    if (in.text)
        w.miscText = *in.text;
    return w;
}

} // namespace

void RunWindowHandlers(const PersonInput& in, RecordingSink& sink) {
    const engine::WindowInputs window = ToWindow(in);
    engine::NumerologyProfile profile;
    engine::RunFullRecalculation(window, profile, sink);
    if (in.partner)
        engine::RunPartnerComparison(window, profile, sink);
    if (in.text)
        engine::RunFreeText(window, sink);
}

} // namespace lirem::report
