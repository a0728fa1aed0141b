// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One person run as a user would press the buttons: the full calculation,
// then the partner comparison and the free text when they are given. The sink
// ends up holding what the window shows; the result holds the numbers behind
// it. The reading, the text report and the JSON report all come from this run.

#include "session/DisplaySink.h"
#include "session/PersonInput.h"
#include "session/PersonResult.h"

namespace lirem::session {

// Throws engine::EngineError where the window would report one.
PersonResult RunPerson(const PersonInput& in, DisplaySink& sink);

} // namespace lirem::session
