// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A row of the batch format read as a person: birth date, three names and,
// in eight-column rows, a partner. Shared by --batch and book import, so both
// skip the same lines and word a bad row alike.

#include "report/CsvReader.h"
#include "session/PersonInput.h"

#include <string>
#include <string_view>

namespace lirem::report {

// Without leading and trailing spaces and tabs.
[[nodiscard]] std::string_view TrimBlanks(std::string_view text);

// A line of nothing but spaces and tabs, skipped as an empty one is.
[[nodiscard]] bool IsBlankRecord(const CsvRecord& record);
// A first row whose first field is "date" (any letter case).
[[nodiscard]] bool IsHeaderRecord(const CsvRecord& record);

struct CsvPerson {
    session::BirthDate date;
    std::string_view first, middle, last; // UTF-8 as in the file
    bool hasPartner = false;              // four partner columns, not all empty
    session::BirthDate partnerDate;
    std::string_view partnerFirst, partnerMiddle, partnerLast;
};

// Reads the row (its texts stay the record's); returns why the row is
// unusable, in code page 1251, or an empty string for a good row.
[[nodiscard]] std::string ReadCsvPerson(const CsvRecord& record, CsvPerson& person);

} // namespace lirem::report
