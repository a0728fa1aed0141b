// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One person's reading: the inputs and what the window's result controls show
// for them once the handlers have run.

#include "session/PersonInput.h"
#include "session/RecordingSink.h"

namespace lirem::reading {

struct Reading {
    session::PersonInput input;
    session::RecordingSink shown;
};

// Runs the session pipeline as the window does. Throws engine::EngineError where the
// window would report one.
[[nodiscard]] Reading MakeReading(const session::PersonInput& input);

} // namespace lirem::reading
