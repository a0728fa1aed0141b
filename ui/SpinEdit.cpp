// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpinEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <limits>

namespace lirem::ui {

bool ParseDecimalInteger(const QString& text, std::int32_t& value) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) {
        return false;
    }
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') {
            return false;
        }
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return false;
        }
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

SpinEdit::SpinEdit(std::int32_t minimum, std::int32_t maximum, int maxLength, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    lineEdit()->setMaxLength(maxLength);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QString::number(minimum_));
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent event(this, Value());
        QAccessible::updateAccessibility(&event);
    });
}

int SpinEdit::MaxLength() const {
    return lineEdit()->maxLength();
}

bool SpinEdit::IsAllowedCharacter(QChar c) {
    if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-') {
        return true;
    }
    return QLocale().decimalPoint().contains(c);
}

std::int32_t SpinEdit::Value() const {
    std::int32_t value = 0;
    return ParseDecimalInteger(lineEdit()->text(), value) ? value : minimum_;
}

std::int32_t SpinEdit::Clamp(std::int64_t value) const {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, minimum_, maximum_));
}

void SpinEdit::SetValue(std::int32_t value) {
    lineEdit()->setText(QString::number(Clamp(value)));
}

void SpinEdit::stepBy(int steps) {
    SetValue(Clamp(std::int64_t{Value()} + steps));
    selectAll();
}

QValidator::State SpinEdit::validate(QString& input, int& /*pos*/) const {
    const bool allowed = std::all_of(input.cbegin(), input.cend(), [](QChar c) { return IsAllowedCharacter(c); });
    return allowed ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        // The page decides what Enter does; the text stays as typed.
        event->ignore();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool printable =
        !typed.isEmpty() && std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isPrint(); });
    const bool withCommand = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (printable && !withCommand &&
        !std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return IsAllowedCharacter(c); })) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    // Only a move to another control of the window clamps: when a message
    // box, a menu or another window takes the focus, the text stays as typed.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    const std::int32_t value = Value();
    if (Clamp(value) != value) {
        SetValue(value);
    }
}

void SpinEdit::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace lirem::ui
