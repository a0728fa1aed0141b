// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reproducible CSV of people for the batch benchmark: Russian and Latin
// names, dates from 1930 to 2020, every fourth row with a partner.

#include <cstdint>
#include <ostream>

namespace lirem::report::bench {

void WritePeopleCsv(std::ostream& out, std::int64_t rows);

} // namespace lirem::report::bench
