// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CsvPerson.h"

#include "engine/Cp1251.h"
#include "report/DateArgs.h"

namespace lirem::report {
namespace {

std::string BadDate(std::string_view what, std::string_view field) {
    return std::string(what) + " '" + engine::Utf8ToCp1251(field) + "' is not a date D.M.Y";
}

std::string RecordProblem(const CsvRecord& r) {
    if (r.unterminatedQuote) {
        std::string reason = "quoted field opened on line " + std::to_string(r.quoteLine) + " is not closed";
        if (r.linesInQuote > 0)
            return reason + ": it took the " + std::to_string(r.linesInQuote) +
                   (r.linesInQuote == 1 ? " line" : " lines") + " after it, up to the end of the input";
        return reason + " before the end of the input";
    }
    if (r.bareCr)
        return "line ends are CR alone: the file needs LF or CR LF line ends";
    if (r.tooLong)
        return "row longer than " + std::to_string(CsvReader::kDefaultMaxRecordBytes) + " bytes";
    if (r.fieldCount != 4 && r.fieldCount != 8)
        return "expected 4 or 8 fields, found " + std::to_string(r.fieldCount);
    return {};
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsBlankRecord(const CsvRecord& record) {
    return !record.tooLong && record.fieldCount == 1 && TrimBlanks(record.fields[0]).empty();
}

bool IsHeaderRecord(const CsvRecord& record) {
    if (record.tooLong || record.bareCr)
        return false;
    const std::string_view first = TrimBlanks(record.fields[0]);
    if (first.size() != 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        if ((first[i] | 0x20) != "date"[i])
            return false;
    return true;
}

std::string ReadCsvPerson(const CsvRecord& r, CsvPerson& person) {
    if (std::string problem = RecordProblem(r); !problem.empty())
        return problem;
    const auto date = ParseBirthDate(TrimBlanks(r.fields[0]));
    if (!date)
        return BadDate("birth date", TrimBlanks(r.fields[0]));
    person = CsvPerson{};
    person.date = *date;
    person.first = r.fields[1];
    person.middle = r.fields[2];
    person.last = r.fields[3];
    if (r.fieldCount == 8 &&
        !(r.fields[4].empty() && r.fields[5].empty() && r.fields[6].empty() && r.fields[7].empty())) {
        person.hasPartner = true;
        const std::string_view partnerDate = TrimBlanks(r.fields[4]);
        if (!partnerDate.empty()) {
            const auto parsed = ParseBirthDate(partnerDate);
            if (!parsed)
                return BadDate("partner's birth date", partnerDate);
            person.partnerDate = *parsed;
        }
        person.partnerFirst = r.fields[5];
        person.partnerMiddle = r.fields[6];
        person.partnerLast = r.fields[7];
    }
    return {};
}

} // namespace lirem::report
