// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The JSON form of one person's results, with stable English keys (listed in
// the README), and the error object of a batch row.

#include "report/JsonWriter.h"
#include "session/PersonInput.h"
#include "session/PersonResult.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace lirem::report {

// row: the batch row the person came from; a single report has none.
void WritePersonJson(const session::PersonInput& in, const session::PersonResult& result,
                     std::optional<std::int64_t> row, JsonWriter& out);

// {"row": n, "error": reason}; the reason is code page 1251.
void WriteRowErrorJson(std::int64_t row, std::string_view reason, JsonWriter& out);

} // namespace lirem::report
