// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says for each result the window shows: its caption
// and its number together («Жизненный Путь: 9», a bare «-» said as «нет»), a
// karmic note with the caption of its number («Жизненный Путь, Кармическое
// Число 13»), and for a calendar cell its date, its Personal Day and whether
// it is marked purple, in words. The captions beside the results are silent,
// so each result is read once. The spoken text is worked out when the reader
// asks; a change is reported for the results of the shown page only, once,
// and for the others when their page is shown, with their visible states.
// After a calculation the reader is told the page's main results without the
// focus moving: the five core numbers, the number of matches with the
// partner, the personal year and month.

#include "layout/LayoutTable.h"
#include "ui/ControlMap.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QObject;
class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace lirem::ui {

class Announcer;
class ValueLabel;

class SpokenResults {
public:
    // The captions are the layout's accessible captions (see AccessibleNames.h).
    SpokenResults(const std::vector<layout::ControlRow>& layout, const ControlMap& controls);
    ~SpokenResults();
    SpokenResults(const SpokenResults&) = delete;
    SpokenResults& operator=(const SpokenResults&) = delete;

    // After a calculation: reports the changed results of the shown page and
    // announces what the shown page's action calculated.
    void Refresh();

    // The announcements, as spoken.
    [[nodiscard]] QString CoreSummary() const;
    [[nodiscard]] QString PartnerSummary() const;
    [[nodiscard]] QString CalendarSummary() const;
    [[nodiscard]] const Announcer* Announcements() const { return announcer_; }

private:
    struct Result {
        ValueLabel* label;
        QWidget* page;
        QString said; // the spoken text last reported
    };
    void PageShown();
    void ReportChanged(QWidget* page);
    void ReportShown(QWidget* page);

    std::vector<Result> results_;
    std::vector<std::pair<QString, const QLabel*>> core_; // caption, number
    const QLabel* personalYear_ = nullptr;
    const QLabel* personalMonth_ = nullptr;
    const QPlainTextEdit* matches_ = nullptr;
    const QLabel* noPerson_[2] = {nullptr, nullptr};
    QTabWidget* pages_ = nullptr;
    QWidget* nucleus_ = nullptr;
    QWidget* synastry_ = nullptr;
    QWidget* years_ = nullptr;
    Announcer* announcer_ = nullptr; // a child of the window
    // Which widgets of each page were visible when last reported.
    QHash<const QWidget*, bool> visible_;
    std::unique_ptr<QObject> connections_;
};

} // namespace lirem::ui
