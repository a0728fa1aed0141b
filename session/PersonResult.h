// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every number of pages 1 to 7 for one person, as the display steps computed
// and showed them: the JSON report reads these, the text report and the
// reading read what the same run wrote into its sink.

#include "engine/Calendar.h"
#include "engine/CoreNumbers.h"
#include "engine/Cycles.h"
#include "engine/FreeText.h"
#include "engine/NameAnalysis.h"
#include "engine/Partner.h"
#include "engine/Profile.h"
#include "engine/Synthesis.h"

#include <optional>
#include <string>
#include <vector>

namespace lirem::session {

struct PartnerResult {
    bool firstPersonMissing = false; // the window's warning: the first person's names are blank
    engine::PartnerProfile profile;  // unset when firstPersonMissing
    std::vector<std::string> lines;  // the memo's lines, code page 1251
};

// What the full recalculation computed, stage by stage.
struct Recalculation {
    engine::CoreReport core;
    engine::SynthesisReport synthesis;
    engine::SpectrumReport spectrum;
    engine::CycleReport cycles;
    engine::CalendarReport calendar;
};

struct PersonResult : Recalculation {
    engine::NumerologyProfile profile; // as the full recalculation leaves it
    std::optional<PartnerResult> partner;
    std::optional<engine::FreeTextReport> freeText;
};

} // namespace lirem::session
