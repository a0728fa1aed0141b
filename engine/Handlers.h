// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine side of the window's handlers. Each function runs the stages of
// one handler in order, writing every result through the sink as soon as it is
// computed. Errors are raised as lirem::engine::EngineError (see Errors.h); whatever
// was written before the error stays written.

#include "engine/DisplaySink.h"
#include "engine/Profile.h"

#include <cstdint>
#include <string>

namespace lirem::engine {

// What the handlers read from the window, at the moment they run.
// Texts are code page 1251, exactly as the fields hold them.
struct WindowInputs {
    std::int32_t day = 1;   // seDay
    std::int32_t month = 1; // seMonth
    std::int32_t year = 0;  // seYear
    std::string first;      // edFirst
    std::string middle;     // edMiddle
    std::string last;       // edLast

    std::int32_t yearIndex = -1;  // cbYear selection, -1 for none
    std::int32_t monthIndex = -1; // cbMonth selection, -1 for none

    std::int32_t partnerDay = 1;   // sePartnerDay
    std::int32_t partnerMonth = 1; // sePartnerMonth
    std::int32_t partnerYear = 0;  // sePartnerYear
    std::string partnerFirst;      // edPartnerFirst
    std::string partnerMiddle;     // edPartnerMiddle
    std::string partnerLast;       // edPartnerLast

    std::string miscText; // edMisc
};

void RunFullRecalculation(const WindowInputs& in, NumerologyProfile& profile, DisplaySink& out);       // bnDoitClick
void RunPartnerComparison(const WindowInputs& in, const NumerologyProfile& profile, DisplaySink& out); // bnPartnerClick
void RunFreeText(const WindowInputs& in, DisplaySink& out);                                            // bnMiscClick
void RunYearChange(const WindowInputs& in, NumerologyProfile& profile, DisplaySink& out);              // cbYearChange
void RunMonthChange(const WindowInputs& in, NumerologyProfile& profile, DisplaySink& out);             // cbMonthChange

} // namespace lirem::engine
