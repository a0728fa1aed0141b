// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Filter.h"

#include "book/Fold.h"

#include <algorithm>
#include <numeric>

namespace lirem::book {
namespace {

std::string TwoDigits(std::int32_t value) {
    std::string text = std::to_string(value);
    return value >= 0 && value < 10 ? "0" + text : text;
}

std::vector<std::string> Words(std::string_view query) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < query.size()) {
        const std::size_t start = query.find_first_not_of(" \t", at);
        if (start == std::string_view::npos)
            break;
        std::size_t end = query.find_first_of(" \t", start);
        if (end == std::string_view::npos)
            end = query.size();
        words.push_back(FoldForSearch(query.substr(start, end - start)));
        at = end;
    }
    return words;
}

} // namespace

CardFilter::CardFilter(const std::vector<Card>& cards) {
    haystacks_.reserve(cards.size());
    for (const Card& card : cards) {
        std::string h;
        for (const NameVariant& name : card.names) {
            for (const std::string* part : {&name.first, &name.middle, &name.last}) {
                h += FoldForSearch(*part);
                h += '\n';
            }
        }
        h += DateText(card.birth);
        h += '\n';
        h += TwoDigits(card.birth.day) + "." + TwoDigits(card.birth.month) + "." + std::to_string(card.birth.year);
        haystacks_.push_back(std::move(h));
    }
}

std::vector<std::size_t> CardFilter::Match(std::string_view query) const {
    const std::vector<std::string> words = Words(query);
    std::vector<std::size_t> matches;
    if (words.empty()) {
        matches.resize(haystacks_.size());
        std::iota(matches.begin(), matches.end(), std::size_t{0});
        return matches;
    }
    for (std::size_t i = 0; i < haystacks_.size(); ++i) {
        const std::string& h = haystacks_[i];
        if (std::all_of(words.begin(), words.end(),
                        [&h](const std::string& word) { return h.find(word) != std::string::npos; }))
            matches.push_back(i);
    }
    return matches;
}

} // namespace lirem::book
