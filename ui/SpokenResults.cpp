// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpokenResults.h"

#include "layout/ControlNames.h"
#include "session/DisplaySink.h"
#include "ui/AccessibleNames.h"

#include <QComboBox>
#include <QLabel>

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

void Rename(QLabel* label, const QString& spoken) {
    if (label->accessibleName() != spoken) {
        label->setAccessibleName(spoken); // sends the name-change event
    }
}

} // namespace

SpokenResults::SpokenResults(const std::vector<layout::ControlRow>& layout, const ControlMap& controls) {
    // The karmic note under each core number, said with that number's caption.
    static const std::pair<const char*, const char*> notes[] = {{control::lPathKarma, control::stPath},
                                                                {control::lExpressKarma, control::stExpress},
                                                                {control::lSoulKarma, control::stSoul},
                                                                {control::lBDayKarma, control::stBDay},
                                                                {control::lPersonKarma, control::stPerson}};
    const std::vector<AccessibleCaption> captions = AccessibleCaptions(layout);
    for (const AccessibleCaption& entry : captions) {
        if (!entry.buddy.empty() || control::liDayN.Contains(entry.control)) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(FindControl(controls, entry.control))) {
            results_.push_back({label, entry.name + QStringLiteral(": ")});
        }
        for (const auto& [note, box] : notes) {
            if (entry.control == box) {
                results_.push_back({Require<QLabel>(controls, note), entry.name + QStringLiteral(", ")});
            }
        }
    }
    for (std::size_t i = 1; i <= control::liDayN.size(); ++i) {
        days_.push_back({Require<QLabel>(controls, control::liDayN(i)), Require<QLabel>(controls, control::lDayN(i))});
    }
    dayCaption_ = Require<QLabel>(controls, control::liDayTitle)->text();
    month_ = Require<QComboBox>(controls, control::cbMonth);
}

QString SpokenResults::DaySpoken(const Day& day) const {
    const QString month = MonthGenitive(month_->currentIndex());
    const QString date =
        month.isEmpty() ? QStringLiteral("число ") + day.date->text() : day.date->text() + QLatin1Char(' ') + month;
    QString spoken = dayCaption_ + QStringLiteral(", ") + date + QStringLiteral(": ") + day.personalDay->text();
    if (IsPurple(day.personalDay)) {
        spoken += QStringLiteral(", выделен фиолетовым: Духовный День Рождения");
    }
    return spoken;
}

void SpokenResults::Refresh() const {
    for (const Result& result : results_) {
        Rename(result.label, result.prefix + result.label->text());
    }
    for (const Day& day : days_) {
        Rename(day.personalDay, DaySpoken(day));
    }
}

} // namespace lirem::ui
