// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Text.h"
#include "layout/ControlNames.h"
#include "session/Display.h"

namespace lirem::session {

engine::FreeTextReport ShowFreeText(std::string_view text, DisplaySink& out) {
    const std::string_view trimmed = engine::TrimControls(text);
    const engine::FreeTextReport r = engine::AnalyzeFreeText(trimmed);
    if (trimmed.empty())
        return r;
    out.SetText(control::lSumma, engine::SumText(r).View());
    out.SetText(control::lKarma, engine::KarmaText(r).View());
    for (std::size_t i = 0; i < 9; ++i)
        SetNumber(out, control::lMiscN(i + 1), std::int64_t{r.Counts[i]});
    return r;
}

} // namespace lirem::session
