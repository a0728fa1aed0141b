// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Card.h"

namespace lirem::book {

std::string MainName(const Card& card) {
    if (card.names.empty())
        return {};
    const NameVariant& name = card.names.front();
    std::string line;
    for (const std::string* part : {&name.last, &name.first, &name.middle}) {
        if (part->empty())
            continue;
        if (!line.empty())
            line += ' ';
        line += *part;
    }
    return line;
}

std::string DateText(const Date& date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." + std::to_string(date.year);
}

} // namespace lirem::book
