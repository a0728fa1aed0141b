// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Text.h"
#include "layout/ControlNames.h"
#include "session/Display.h"

namespace lirem::session {

PartnerResult ShowPartnerComparison(std::string_view first, std::string_view middle, std::string_view last,
                                    const engine::PartnerInputs& partner, const engine::NumerologyProfile& profile,
                                    DisplaySink& out) {
    PartnerResult result;
    out.SetVisible(control::meResult, false);
    out.ClearLines(control::meResult);
    out.SetVisible(control::lNoFirst, false);
    out.SetVisible(control::lNoFirst2, false);
    if (engine::TrimControls(first).empty() && engine::TrimControls(middle).empty() &&
        engine::TrimControls(last).empty()) {
        result.firstPersonMissing = true;
        out.SetVisible(control::lNoFirst, true);
        out.SetVisible(control::lNoFirst2, true);
        return result;
    }
    result.profile = engine::BuildPartnerProfile(partner);
    result.lines = engine::ComparePartners(profile, result.profile);
    for (const std::string& line : result.lines)
        out.AddLine(control::meResult, line);
    out.SetVisible(control::meResult, true);
    return result;
}

} // namespace lirem::session
