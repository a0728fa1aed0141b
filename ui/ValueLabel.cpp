// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ValueLabel.h"

#include "ui/AccessibleRect.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace lirem::ui {

namespace {

class ValueLabelAccessible final : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const ValueLabel*>(widget());
        const bool named = !label->accessibleName().isEmpty();
        switch (t) {
        case QAccessible::Name:
            return label->Spoken();
        case QAccessible::Value:
            return named && !label->IsSilent() && !label->IsSaidByText() ? label->text() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QRect rect() const override { return DeviceRect(widget()); }
};

} // namespace

ValueLabel::ValueLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Registered here rather than through a factory: the toolkit may already
    // have looked the label up while it was still being built as a plain label.
    QAccessible::registerAccessibleInterface(new ValueLabelAccessible(this));
}

QString ValueLabel::Spoken() const {
    if (silent_) {
        return {};
    }
    if (speech_) {
        return speech_();
    }
    if (saidByText_) {
        return text();
    }
    return accessibleName().isEmpty() ? text() : accessibleName();
}

void ValueLabel::SetSaidByText() {
    saidByText_ = true;
    // A label with an accessible name of its own sends no event when its text
    // changes; the name itself is not what is said.
    setAccessibleName(QStringLiteral("-"));
}

void ValueLabel::FitToText() {
    adjustSize();
    if (rightBound_ > 0 && x() + width() > rightBound_) {
        move(rightBound_ - width(), y());
    }
}

} // namespace lirem::ui
