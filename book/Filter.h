// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search field of the book's list: filters cards in memory as the user
// types, by any part of any name variant or of the birth date.

#include "book/Card.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::book {

class CardFilter {
public:
    // Indexes the cards once; the filter refers to them by position.
    explicit CardFilter(const std::vector<Card>& cards);

    // Positions of the cards that match, in the order given. A query is split
    // at blanks; a card matches when every word is part of one of its names
    // (letter case and ё/е ignored) or of its birth date written as 29.11.1985
    // or 05.09.1970. An empty query matches every card.
    [[nodiscard]] std::vector<std::size_t> Match(std::string_view query) const;

private:
    std::vector<std::string> haystacks_; // folded names and dates, separated by '\n'
};

} // namespace lirem::book
