// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cards as rows of the batch's CSV format: birth date, first, middle and last
// name of the main name variant, and the partner's four columns when the card
// has a partner. Labels, further variants, free text and notes have no column.

#include "book/Card.h"
#include "report/CsvReader.h"

#include <string>

namespace lirem::report {

// The header row the batch skips.
[[nodiscard]] std::string BookCsvHeader();

// One row with its line end (CR LF), fields quoted where RFC 4180 needs it.
[[nodiscard]] std::string BookCsvRow(const book::Card& card);

// Fills the card's date, main name and partner from a batch row, texts kept
// in UTF-8. The reason a row is unusable (code page 1251, as the batch's row
// errors are), or empty when it is good.
[[nodiscard]] std::string CardFromCsv(const CsvRecord& record, book::Card& card);

} // namespace lirem::report
