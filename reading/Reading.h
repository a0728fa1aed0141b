// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One person's reading: the inputs and what the window's result controls show
// for them once the handlers have run.

#include "report/PersonInput.h"
#include "report/RecordingSink.h"

namespace lirem::reading {

struct Reading {
    report::PersonInput input;
    report::RecordingSink shown;
};

// Runs the engine as the window does. Throws engine::EngineError where the
// window would report one.
[[nodiscard]] Reading MakeReading(const report::PersonInput& input);

} // namespace lirem::reading
