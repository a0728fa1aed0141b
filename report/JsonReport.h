// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The JSON form of one person's results, with stable English keys (listed in
// the README), and the error object of a batch row.

#include "report/PersonInput.h"
#include "report/PersonResult.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace lirem::report {

// Json is JsonWriter (compact text, the batch) or JsonTree (a library value,
// the single report); both are instantiated in JsonReport.cpp.

// row: the batch row the person came from; a single report has none.
template <typename Json>
void WritePersonJson(const PersonInput& in, const PersonResult& result, std::optional<std::int64_t> row, Json& out);

// {"row": n, "error": reason}; the reason is code page 1251.
template <typename Json> void WriteRowErrorJson(std::int64_t row, std::string_view reason, Json& out);

} // namespace lirem::report
