// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/BookCsv.h"

#include "report/CsvPerson.h"

#include <string_view>

namespace lirem::report {
namespace {

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
    CsvPerson row;
    if (std::string reason = ReadCsvPerson(r, row); !reason.empty())
        return reason;
    card = book::Card{};
    card.birth = ToBookDate(row.date);
    card.names.push_back({std::string(row.first), std::string(row.middle), std::string(row.last), {}});
    if (row.hasPartner)
        card.partner = book::Partner{ToBookDate(row.partnerDate), std::string(row.partnerFirst),
                                     std::string(row.partnerMiddle), std::string(row.partnerLast)};
    return {};
}

} // namespace lirem::report
