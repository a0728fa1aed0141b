// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WidgetSink.h"

#include "look/TextBoundary.h"
#include "ui/ValueLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <stdexcept>

namespace lirem::ui {

namespace {
// Set on a memo once a line was added since it was last cleared.
constexpr const char* kHasLine = "liremHasLine";

QPlainTextEdit* AsMemo(QWidget* widget, std::string_view name) {
    auto* memo = qobject_cast<QPlainTextEdit*>(widget);
    if (memo == nullptr) {
        throw std::logic_error("not a memo: " + std::string(name));
    }
    return memo;
}
} // namespace

QWidget* WidgetSink::Widget(std::string_view control) const {
    QWidget* widget = FindControl(controls_, control);
    if (widget == nullptr) {
        throw std::logic_error("no control named " + std::string(control));
    }
    return widget;
}

void WidgetSink::SetText(std::string_view control, std::string_view text) {
    QWidget* widget = Widget(control);
    const QString value = look::FromEngineText(text);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != value) {
            label->setText(value);
            if (auto* fitted = qobject_cast<ValueLabel*>(label)) {
                fitted->FitToText();
            } else {
                label->adjustSize();
            }
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->setPlainText(value);
        memo->setProperty(kHasLine, !value.isEmpty());
    } else {
        throw std::logic_error("no text on control " + std::string(control));
    }
}

std::string WidgetSink::Text(std::string_view control) const {
    QWidget* widget = Widget(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return look::ToEngineText(label->text());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return look::ToEngineText(edit->text());
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        return look::ToEngineText(memo->toPlainText());
    }
    throw std::logic_error("no text on control " + std::string(control));
}

void WidgetSink::SetVisible(std::string_view control, bool visible) {
    Widget(control)->setVisible(visible);
}

void WidgetSink::SetFontColour(std::string_view control, layout::Rgb colour) {
    QWidget* widget = Widget(control);
    const QColor wanted(colour.r, colour.g, colour.b);
    const QPalette::ColorRole role = widget->foregroundRole();
    if (widget->palette().color(role) == wanted) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, wanted);
    palette.setColor(QPalette::Inactive, role, wanted);
    widget->setPalette(palette);
}

void WidgetSink::ClearLines(std::string_view memo) {
    QPlainTextEdit* edit = AsMemo(Widget(memo), memo);
    edit->clear();
    edit->setProperty(kHasLine, false);
}

void WidgetSink::AddLine(std::string_view memo, std::string_view line) {
    QPlainTextEdit* edit = AsMemo(Widget(memo), memo);
    QTextDocument* document = edit->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // An empty memo holds one empty block: the first line goes into it, every
    // later line into a block of its own, so empty lines are kept too.
    const bool intoFirstBlock = document->isEmpty() && !edit->property(kHasLine).toBool();
    if (!intoFirstBlock) {
        cursor.insertBlock();
    }
    cursor.insertText(look::FromEngineText(line));
    edit->setProperty(kHasLine, true);
}

} // namespace lirem::ui
