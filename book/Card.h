// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One card of the client book: a person with their name variants, an optional
// partner and free text, and the practitioner's notes. Texts are UTF-8 exactly
// as typed; numbers are what the window's fields hold.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lirem::book {

struct Date {
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 1970;
    friend bool operator==(const Date&, const Date&) = default;
};

struct NameVariant {
    std::string first;
    std::string middle;
    std::string last;
    std::string label; // optional, for example «при рождении» or «в браке»
    friend bool operator==(const NameVariant&, const NameVariant&) = default;
};

struct Partner {
    Date date;
    std::string first;
    std::string middle;
    std::string last;
    friend bool operator==(const Partner&, const Partner&) = default;
};

using CardId = std::int64_t;

struct Card {
    CardId id = 0; // given by the book; never reused after a card is removed
    Date birth;
    std::vector<NameVariant> names; // at least one; the first is the main name
    std::optional<Partner> partner;
    std::optional<std::string> text; // the free text
    std::string notes;               // multi-line
    std::int64_t created = 0;        // seconds since 1970-01-01 UTC, set by the book
    std::int64_t changed = 0;
    friend bool operator==(const Card&, const Card&) = default;
};

// The main name as one line: last, first and middle name, blanks between the
// parts that are present.
[[nodiscard]] std::string MainName(const Card& card);

// "D.M.Y" without leading zeros, as the tool's --date takes it.
[[nodiscard]] std::string DateText(const Date& date);

} // namespace lirem::book
