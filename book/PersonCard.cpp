// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PersonCard.h"

#include "engine/Cp1251.h"
#include "engine/Errors.h"

namespace lirem::book {
namespace {

const NameVariant* Variant(const Card& card, std::size_t variant) {
    if (card.names.empty())
        return nullptr;
    return &card.names[variant < card.names.size() ? variant : 0];
}

} // namespace

session::PersonInput ToPersonInput(const Card& card, session::CalendarMonth calendar, std::size_t variant) {
    session::PersonInput p;
    p.date = {card.birth.day, card.birth.month, card.birth.year};
    if (const NameVariant* name = Variant(card, variant)) {
        p.first = engine::Utf8ToCp1251(name->first);
        p.middle = engine::Utf8ToCp1251(name->middle);
        p.last = engine::Utf8ToCp1251(name->last);
    }
    p.calendar = calendar;
    if (card.partner) {
        p.partner = session::PartnerInput{{card.partner->date.day, card.partner->date.month, card.partner->date.year},
                                          engine::Utf8ToCp1251(card.partner->first),
                                          engine::Utf8ToCp1251(card.partner->middle),
                                          engine::Utf8ToCp1251(card.partner->last)};
    }
    if (card.text)
        p.text = engine::Utf8ToCp1251(*card.text);
    return p;
}

Card ToCard(const session::PersonInput& in) {
    Card card;
    card.birth = {in.date.day, in.date.month, in.date.year};
    card.names.push_back(
        {engine::Cp1251ToUtf8(in.first), engine::Cp1251ToUtf8(in.middle), engine::Cp1251ToUtf8(in.last), {}});
    if (in.partner) {
        card.partner = Partner{{in.partner->date.day, in.partner->date.month, in.partner->date.year},
                               engine::Cp1251ToUtf8(in.partner->first),
                               engine::Cp1251ToUtf8(in.partner->middle),
                               engine::Cp1251ToUtf8(in.partner->last)};
    }
    if (in.text)
        card.text = engine::Cp1251ToUtf8(*in.text);
    return card;
}

std::optional<engine::CoreReport> CoreNumbersOf(const Card& card, std::size_t variant) {
    const session::PersonInput p = ToPersonInput(card, {}, variant);
    try {
        return engine::ComputeCoreNumbers(p.date.day, p.date.month, p.date.year, p.first, p.middle, p.last);
    } catch (const engine::EngineError&) {
        return std::nullopt;
    }
}

} // namespace lirem::book
