// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the window's handlers for one person, as a user would press the
// buttons: the full calculation, then the partner comparison and the free
// text when they are given. The sink ends up holding what the window shows.

#include "report/PersonInput.h"
#include "report/RecordingSink.h"

namespace lirem::report {

// Throws engine::EngineError where the window would report one.
void RunWindowHandlers(const PersonInput& in, RecordingSink& sink);

} // namespace lirem::report
