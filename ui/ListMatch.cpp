// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListMatch.h"

namespace lirem::ui {

int MatchingItem(const QStringList& items, const QString& typed, ListMatching matching) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    if (matching == ListMatching::WholeItem)
        return -1;
    bool isNumber = false;
    const int number = text.toInt(&isNumber, 10);
    if (isNumber)
        return number >= 1 && number <= items.size() ? number - 1 : -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].startsWith(text, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace lirem::ui
