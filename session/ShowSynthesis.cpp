// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/ControlNames.h"
#include "session/Display.h"

namespace lirem::session {

void ShowSynthesis(const engine::SynthesisReport& report, DisplaySink& out) {
    out.ClearLines(control::meVozSpo);
    out.ClearLines(control::meVozMot);
    out.ClearLines(control::meSpoMot);
    out.AddLine(control::meVozSpo, report.PossibilitiesAbilitiesLine);
    out.AddLine(control::meVozMot, report.PossibilitiesMotivationLine);
    out.AddLine(control::meSpoMot, report.AbilitiesMotivationLine);
    SetNumber(out, control::stRealize, report.Realization);
    SetNumber(out, control::lPEBridge, report.PathExpressionBridge);
    SetNumber(out, control::lSPBridge, report.SoulPersonalityBridge);
    SetNumber(out, control::lESBridge, report.ExpressionSoulBridge);
    SetNumber(out, control::stReason, report.Reason);
}

} // namespace lirem::session
