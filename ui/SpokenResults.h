// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says for each result the window shows: its caption
// and its number together («Жизненный Путь: 9»), a karmic note with the
// caption of its number («Жизненный Путь, Кармическое Число 13»), and for a
// calendar cell its date, its Personal Day and whether it is marked purple,
// in words. The
// spoken text is the label's accessible name; renaming a label makes the
// toolkit send the name-change event, so a changed result is announced.
// Labels that carry their caption in their own text (personal year and month,
// the free-text sum, the name's karmic lessons) are announced by that text.

#include "layout/LayoutTable.h"
#include "ui/ControlMap.h"

#include <QString>

#include <vector>

class QComboBox;
class QLabel;

namespace lirem::ui {

class SpokenResults {
public:
    // The captions are the layout's accessible captions (see AccessibleNames.h).
    SpokenResults(const std::vector<layout::ControlRow>& layout, const ControlMap& controls);

    // Renames every result whose spoken text changed since the last call.
    void Refresh() const;

private:
    struct Result {
        QLabel* label;
        QString prefix; // "Жизненный Путь: " for a number, "Жизненный Путь, " for its karmic note
    };
    struct Day {
        QLabel* personalDay; // liDayN
        QLabel* date;        // lDayN, the day of the month
    };
    [[nodiscard]] QString DaySpoken(const Day& day) const;

    std::vector<Result> results_;
    std::vector<Day> days_;
    QString dayCaption_;
    QComboBox* month_ = nullptr;
};

} // namespace lirem::ui
