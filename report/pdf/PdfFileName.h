// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names of a batch's readings.

#include "session/PersonInput.h"

#include <cstdint>
#include <string>

namespace lirem::report {

// "000002_Иван_Петрович_Сидоров.pdf": the row's line, then the name with
// everything but letters, digits and hyphens turned into underscores (UTF-8).
[[nodiscard]] std::string PdfFileName(std::int64_t line, const session::PersonInput& person);

} // namespace lirem::report
