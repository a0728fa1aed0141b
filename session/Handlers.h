// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The handlers' runs, as the window's buttons and lists start them. Each runs
// the stages of one handler in order, writing every result through the sink
// as soon as it is computed, and returns what it computed. Errors are raised
// as engine::EngineError (engine/Errors.h); whatever was written before the
// error stays written.

#include "engine/Profile.h"
#include "session/DisplaySink.h"
#include "session/PersonInput.h"
#include "session/PersonResult.h"

namespace lirem::session {

Recalculation RunFullRecalculation(const PersonInput& in, engine::NumerologyProfile& profile,
                                   DisplaySink& out); // bnDoitClick
// The partner of `in` (a default partner when it has none).
PartnerResult RunPartnerComparison(const PersonInput& in, const engine::NumerologyProfile& profile,
                                   DisplaySink& out);                        // bnPartnerClick
engine::FreeTextReport RunFreeText(const PersonInput& in, DisplaySink& out); // bnMiscClick
engine::CalendarReport RunYearChange(const PersonInput& in, engine::NumerologyProfile& profile,
                                     DisplaySink& out); // cbYearChange
engine::CalendarReport RunMonthChange(const PersonInput& in, engine::NumerologyProfile& profile,
                                      DisplaySink& out); // cbMonthChange

} // namespace lirem::session
