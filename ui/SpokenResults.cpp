// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpokenResults.h"

#include "layout/ControlNames.h"
#include "session/DisplaySink.h"
#include "ui/AccessibleNames.h"
#include "ui/Announcer.h"
#include "ui/ReaderStates.h"
#include "ui/ValueLabel.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabWidget>
#include <QTextBlock>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace lirem::ui {

namespace {

// The month in «5 сентября».
QString MonthGenitive(int index) {
    static const char* const names[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                        "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    return index >= 0 && index < 12 ? QString::fromUtf8(names[index]) : QString();
}

template <class T> T* Require(const ControlMap& controls, const std::string& name) {
    auto* widget = qobject_cast<T*>(FindControl(controls, name));
    if (widget == nullptr) {
        throw std::logic_error("no control " + name + " to announce");
    }
    return widget;
}

bool IsPurple(const QLabel* label) {
    const QColor purple(layout::colour::Purple.r, layout::colour::Purple.g, layout::colour::Purple.b);
    return label->palette().color(label->foregroundRole()) == purple;
}

// A result as said: a dash, no number, is said as «нет».
QString Said(const QString& shown) {
    const QString text = shown.trimmed();
    return text == QLatin1String("-") ? QStringLiteral("нет") : text;
}

QString DaySpoken(const QString& caption, const QLabel* personalDay, const QLabel* date, const QComboBox* month) {
    const QString name = MonthGenitive(month->currentIndex());
    const QString when =
        name.isEmpty() ? QStringLiteral("число ") + date->text() : date->text() + QLatin1Char(' ') + name;
    QString spoken = caption + QStringLiteral(", ") + when + QStringLiteral(": ") + personalDay->text();
    if (IsPurple(personalDay)) {
        spoken += QStringLiteral(", выделен фиолетовым: Духовный День Рождения");
    }
    return spoken;
}

} // namespace

SpokenResults::SpokenResults(const std::vector<layout::ControlRow>& layout, const ControlMap& controls) {
    pages_ = Require<QTabWidget>(controls, control::pcPages);
    nucleus_ = Require<QWidget>(controls, control::tsNucleus);
    synastry_ = Require<QWidget>(controls, control::tsSynastry);
    years_ = Require<QWidget>(controls, control::tsYears);
    const auto pageOf = [this](const QWidget* widget) -> QWidget* {
        for (int i = 0; i < pages_->count(); ++i) {
            if (pages_->widget(i)->isAncestorOf(widget)) {
                return pages_->widget(i);
            }
        }
        return nullptr;
    };
    const auto add = [&](ValueLabel* label, std::function<QString()> speech) {
        label->SetSpeech(std::move(speech));
        results_.push_back({label, pageOf(label), label->Spoken()});
    };

    // The karmic note under each core number, said with that number's caption.
    static const std::pair<const char*, const char*> notes[] = {{control::lPathKarma, control::stPath},
                                                                {control::lExpressKarma, control::stExpress},
                                                                {control::lSoulKarma, control::stSoul},
                                                                {control::lBDayKarma, control::stBDay},
                                                                {control::lPersonKarma, control::stPerson}};
    static const char* const core[] = {control::stPath, control::stBDay, control::stExpress, control::stSoul,
                                       control::stPerson};
    for (const AccessibleCaption& entry : AccessibleCaptions(layout)) {
        if (!entry.buddy.empty() || control::liDayN.Contains(entry.control)) {
            continue;
        }
        if (auto* label = qobject_cast<ValueLabel*>(FindControl(controls, entry.control))) {
            const QString prefix = entry.name + QStringLiteral(": ");
            add(label, [label, prefix] { return prefix + Said(label->text()); });
            if (std::find(std::begin(core), std::end(core), entry.control) != std::end(core)) {
                core_.emplace_back(entry.name, label);
            }
        }
        for (const auto& [note, box] : notes) {
            if (entry.control == box) {
                auto* label = Require<ValueLabel>(controls, note);
                const QString prefix = entry.name + QStringLiteral(", ");
                add(label, [label, prefix] { return prefix + label->text(); });
            }
        }
    }
    const QString dayCaption = Require<QLabel>(controls, control::liDayTitle)->text();
    const QComboBox* month = Require<QComboBox>(controls, control::cbMonth);
    for (std::size_t i = 1; i <= control::liDayN.size(); ++i) {
        auto* cell = Require<ValueLabel>(controls, control::liDayN(i));
        auto* date = Require<ValueLabel>(controls, control::lDayN(i));
        date->SetSilent(true); // the cell says its date
        add(cell, [dayCaption, cell, date, month] { return DaySpoken(dayCaption, cell, date, month); });
    }
    // Every other label of a page (personal year, karmic lessons, the sum…) is
    // said by its text; its changes are reported as the results' are.
    for (const layout::ControlRow& row : layout) {
        auto* label = qobject_cast<ValueLabel*>(FindControl(controls, row.name));
        if (label == nullptr || label->IsSilent() || pageOf(label) == nullptr ||
            std::any_of(results_.begin(), results_.end(), [label](const Result& r) { return r.label == label; })) {
            continue;
        }
        label->SetSaidByText();
        results_.push_back({label, pageOf(label), label->Spoken()});
    }
    personalYear_ = Require<QLabel>(controls, control::liYear);
    personalMonth_ = Require<QLabel>(controls, control::liMonth);
    matches_ = Require<QPlainTextEdit>(controls, control::meResult);
    noPerson_[0] = Require<QLabel>(controls, control::lNoFirst);
    noPerson_[1] = Require<QLabel>(controls, control::lNoFirst2);

    announcer_ = new Announcer(pages_->parentWidget());
    connections_ = std::make_unique<QObject>();
    QObject::connect(pages_, &QTabWidget::currentChanged, connections_.get(), [this] { PageShown(); });
}

SpokenResults::~SpokenResults() = default;

void SpokenResults::ReportChanged(QWidget* page) {
    for (Result& result : results_) {
        if (result.page != page) {
            continue;
        }
        QString spoken = result.label->Spoken();
        if (spoken != result.said) {
            result.said = std::move(spoken);
            QAccessibleEvent renamed(result.label, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

void SpokenResults::ReportShown(QWidget* page) {
    // Only the widgets shown since the last look (a karmic note, the list of
    // matches), each once: a shown widget reports its whole subtree. The first
    // look at a widget only notes whether it is shown within its page.
    const QList<QWidget*> widgets = page->findChildren<QWidget*>();
    QSet<const QWidget*> shown;
    for (const QWidget* widget : widgets) {
        const bool now = widget->isVisibleTo(page);
        const auto it = visible_.find(widget);
        if (now && it != visible_.end() && !it.value()) {
            shown.insert(widget);
        }
        visible_.insert(widget, now);
    }
    for (QWidget* widget : widgets) {
        if (!shown.contains(widget)) {
            continue;
        }
        bool top = true;
        for (const QWidget* up = widget->parentWidget(); up != nullptr && up != page; up = up->parentWidget()) {
            top = top && !shown.contains(up);
        }
        if (top) {
            ReportVisible(widget);
        }
    }
}

void SpokenResults::PageShown() {
    QWidget* page = pages_->currentWidget();
    if (page == nullptr) {
        return;
    }
    // A reader may have fetched this page's states while it was hidden: all
    // of it is reported visible, and its results renamed where they changed.
    ReportVisible(page);
    for (const QWidget* widget : page->findChildren<QWidget*>()) {
        visible_.insert(widget, widget->isVisibleTo(page));
    }
    ReportChanged(page);
}

void SpokenResults::Refresh() {
    QWidget* page = pages_->currentWidget();
    if (page == nullptr) {
        return;
    }
    ReportChanged(page);
    ReportShown(page);
    if (page == synastry_) {
        // The reader starts at the first match, and so does the caret.
        auto* memo = const_cast<QPlainTextEdit*>(matches_);
        memo->moveCursor(QTextCursor::Start);
    }
    if (!pages_->isVisible()) {
        return; // the start-up calculation
    }
    if (page == nucleus_) {
        announcer_->Say(CoreSummary());
    } else if (page == synastry_) {
        announcer_->Say(PartnerSummary());
    } else if (page == years_) {
        announcer_->Say(CalendarSummary());
    }
}

QString SpokenResults::CoreSummary() const {
    QStringList parts;
    for (const auto& [caption, number] : core_) {
        parts.append(caption + QLatin1Char(' ') + Said(number->text()));
    }
    return parts.join(QStringLiteral(", "));
}

QString SpokenResults::PartnerSummary() const {
    if (!noPerson_[0]->isHidden()) {
        return noPerson_[0]->text().trimmed() + QLatin1Char(' ') + noPerson_[1]->text().trimmed();
    }
    int lines = 0;
    for (QTextBlock block = matches_->document()->begin(); block.isValid(); block = block.next()) {
        lines += block.text().trimmed().isEmpty() ? 0 : 1;
    }
    return QStringLiteral("Совпадения: ") + QString::number(lines);
}

QString SpokenResults::CalendarSummary() const {
    return personalYear_->text().trimmed() + QStringLiteral(", ") + personalMonth_->text().trimmed();
}

} // namespace lirem::ui
