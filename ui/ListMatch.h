// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which item of a calendar list a typed text names: the whole item (letter
// case aside), or for the month list also its number or the beginning of its
// name, as a drop-down list finds an item while one types.

#include <QStringList>

namespace lirem::ui {

enum class ListMatching {
    WholeItem,               // the year list: "2030"
    WholeItemNumberOrPrefix, // the month list: "Март", "3", "мар"
};

// The index of the item typed names, -1 when it names none.
[[nodiscard]] int MatchingItem(const QStringList& items, const QString& typed, ListMatching matching);

} // namespace lirem::ui
