// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Memo.h"

#include <QPainter>

namespace lirem::ui {

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {}

void Memo::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

void Memo::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void Memo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

} // namespace lirem::ui
