// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/BookCsv.h"

#include "engine/Cp1251.h"
#include "report/DateArgs.h"

#include <string_view>

namespace lirem::report {
namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

void AppendField(std::string& row, std::string_view field) {
    if (!row.empty())
        row += ',';
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        row += field;
        return;
    }
    row += '"';
    for (const char c : field) {
        if (c == '"')
            row += '"';
        row += c;
    }
    row += '"';
}

// The batch's wording for a field that is no date.
std::string BadDate(std::string_view what, std::string_view field) {
    return std::string(what) + " '" + engine::Utf8ToCp1251(field) + "' is not a date D.M.Y";
}

book::Date ToBookDate(const session::BirthDate& date) {
    return {date.day, date.month, date.year};
}

} // namespace

std::string BookCsvHeader() {
    return "date,first,middle,last,partner_date,partner_first,partner_middle,partner_last\r\n";
}

std::string BookCsvRow(const book::Card& card) {
    std::string row;
    AppendField(row, book::DateText(card.birth));
    const book::NameVariant main = card.names.empty() ? book::NameVariant{} : card.names.front();
    AppendField(row, main.first);
    AppendField(row, main.middle);
    AppendField(row, main.last);
    if (card.partner) {
        AppendField(row, book::DateText(card.partner->date));
        AppendField(row, card.partner->first);
        AppendField(row, card.partner->middle);
        AppendField(row, card.partner->last);
    }
    return row + "\r\n";
}

std::string CardFromCsv(const CsvRecord& r, book::Card& card) {
    if (r.unterminatedQuote) {
        std::string reason = "quoted field opened on line " + std::to_string(r.quoteLine) + " is not closed";
        if (r.linesInQuote > 0)
            return reason + ": it took the " + std::to_string(r.linesInQuote) +
                   " lines after it, up to the end of the input";
        return reason + " before the end of the input";
    }
    if (r.bareCr)
        return "line ends are CR alone: the file needs LF or CR LF line ends";
    if (r.tooLong)
        return "row longer than " + std::to_string(CsvReader::kDefaultMaxRecordBytes) + " bytes";
    if (r.fieldCount != 4 && r.fieldCount != 8)
        return "expected 4 or 8 fields, found " + std::to_string(r.fieldCount);
    const auto date = ParseBirthDate(TrimBlanks(r.fields[0]));
    if (!date)
        return BadDate("birth date", TrimBlanks(r.fields[0]));
    card = book::Card{};
    card.birth = ToBookDate(*date);
    card.names.push_back({r.fields[1], r.fields[2], r.fields[3], {}});
    if (r.fieldCount == 8 &&
        !(r.fields[4].empty() && r.fields[5].empty() && r.fields[6].empty() && r.fields[7].empty())) {
        book::Partner& partner = card.partner.emplace();
        const std::string_view partnerDate = TrimBlanks(r.fields[4]);
        if (!partnerDate.empty()) {
            const auto parsed = ParseBirthDate(partnerDate);
            if (!parsed)
                return BadDate("partner's birth date", partnerDate);
            partner.date = ToBookDate(*parsed);
        }
        partner.first = r.fields[5];
        partner.middle = r.fields[6];
        partner.last = r.fields[7];
    }
    return {};
}

} // namespace lirem::report
