// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A card of the book and the inputs the engine takes, both ways, in one place
// for the window and the report tool: the card keeps UTF-8, the engine's
// inputs are in code page 1251.

#include "book/Card.h"
#include "engine/CoreNumbers.h"
#include "session/PersonInput.h"

#include <cstddef>
#include <optional>

namespace lirem::book {

// The person of the card with name variant `variant` (the main one when out
// of range), the partner and the free text, and the given calendar month.
[[nodiscard]] session::PersonInput ToPersonInput(const Card& card, session::CalendarMonth calendar,
                                                 std::size_t variant = 0);

// A new card (no number) from the inputs of a calculation; one name variant.
[[nodiscard]] Card ToCard(const session::PersonInput& in);

// The five core numbers of a name variant, as the window shows them; empty
// for a card the engine refuses.
[[nodiscard]] std::optional<engine::CoreReport> CoreNumbersOf(const Card& card, std::size_t variant = 0);

} // namespace lirem::book
