// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The readable Russian report: the window's pages 1 to 7 in order, with the
// window's own captions and the texts the engine's handlers write.

#include "session/PersonInput.h"

#include <string>

namespace lirem::report {

// The whole report in UTF-8. Runs the engine's handlers into a recording of
// the window's controls; throws engine::EngineError where the window would
// report one, before anything of the report is returned.
[[nodiscard]] std::string BuildTextReport(const session::PersonInput& in);

} // namespace lirem::report
