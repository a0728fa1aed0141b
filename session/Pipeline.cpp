// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Pipeline.h"

#include "session/Handlers.h"

namespace lirem::session {

PersonResult RunPerson(const PersonInput& in, DisplaySink& sink) {
    PersonResult result;
    static_cast<Recalculation&>(result) = RunFullRecalculation(in, result.profile, sink);
    if (in.partner)
        result.partner = RunPartnerComparison(in, result.profile, sink);
    if (in.text)
        result.freeText = RunFreeText(in, sink);
    return result;
}

} // namespace lirem::session
