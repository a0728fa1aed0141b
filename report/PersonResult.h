// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every number of pages 1 to 7 for one person, as the engine's report
// structures. Nothing here is computed by the report tool itself.

#include "engine/Calendar.h"
#include "engine/CoreNumbers.h"
#include "engine/Cycles.h"
#include "engine/FreeText.h"
#include "engine/NameAnalysis.h"
#include "engine/Partner.h"
#include "engine/Profile.h"
#include "engine/Synthesis.h"
#include "report/PersonInput.h"

#include <optional>
#include <string>
#include <vector>

namespace lirem::report {

struct PartnerResult {
    bool firstPersonMissing = false; // the window's warning: the first person's names are blank
    engine::PartnerProfile profile;  // unset when firstPersonMissing
    std::vector<std::string> lines;  // the memo's lines, code page 1251
};

struct PersonResult {
    engine::CoreReport core;
    engine::SynthesisReport synthesis;
    engine::SpectrumReport spectrum;
    engine::NumerologyProfile profile; // as the full recalculation leaves it
    engine::CycleReport cycles;
    engine::CalendarReport calendar;
    std::optional<PartnerResult> partner;
    std::optional<engine::FreeTextReport> freeText;
};

// Throws engine::EngineError where the window's handlers would report one.
void ComputePersonResult(const PersonInput& in, PersonResult& out);

} // namespace lirem::report
