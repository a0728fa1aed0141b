// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PasteGuard.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace lirem::ui {

namespace {

bool IsPasteKey(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste))
        return true;
    // Shift+Insert pastes on every X11 desktop, whatever the key theme says.
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    return key.key() == Qt::Key_Insert && mods == Qt::ShiftModifier;
}

bool IsEditable(const QWidget* field) {
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(field))
        return !memo->isReadOnly();
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return !line->isReadOnly();
    return false;
}

} // namespace

PasteGuard::PasteGuard(QWidget* window) : QObject(window), window_(window) {
    // On the application, so that the guard sees the events before any
    // filter of the skin that hands them to the control directly.
    qApp->installEventFilter(this);
}

PasteGuard::~PasteGuard() {
    qApp->removeEventFilter(this);
}

void PasteGuard::Paste(QWidget* target, QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || (mode == QClipboard::Selection && !clipboard->supportsSelection()))
        return;
    // QClipboard::text checks for missing data, unlike the memo's own paste.
    const QString text = clipboard->text(mode);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        if (!memo->isReadOnly() && !text.isEmpty())
            memo->insertPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(target)) {
        // As the field's own paste: a selection is replaced even by nothing.
        if (!line->isReadOnly() && (!text.isEmpty() || line->hasSelectedText()))
            line->insert(text);
    }
}

QWidget* PasteGuard::FieldOf(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_)
        return nullptr;
    if (qobject_cast<QLineEdit*>(widget) != nullptr || qobject_cast<QPlainTextEdit*>(widget) != nullptr)
        return IsEditable(widget) ? widget : nullptr;
    // The memo's text area is its viewport, which takes the mouse.
    auto* memo = qobject_cast<QPlainTextEdit*>(widget->parentWidget());
    if (memo != nullptr && memo->viewport() == widget)
        return IsEditable(memo) ? memo : nullptr;
    return nullptr;
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
        break;
    default:
        return false;
    }
    QWidget* field = FieldOf(watched);
    if (field == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (IsPasteKey(*static_cast<QKeyEvent*>(event))) {
            Paste(field, QClipboard::Clipboard);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        // The press has put the caret where the selection goes.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            Paste(field, QClipboard::Selection);
            return true;
        }
        return false;
    case QEvent::ContextMenu:
        // The line fields' own «Вставить» reads the clipboard's text, which is
        // safe; the memo's goes through the unchecked data.
        if (qobject_cast<QPlainTextEdit*>(field) != nullptr) {
            ShowMemoMenu(field, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    default:
        return false;
    }
}

void PasteGuard::ShowMemoMenu(QWidget* memo, const QPoint& globalPos) {
    auto* edit = static_cast<QPlainTextEdit*>(memo);
    QMenu* menu = edit->createStandardContextMenu(edit->viewport()->mapFromGlobal(globalPos));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
        connect(paste, &QAction::triggered, edit, [edit] { Paste(edit, QClipboard::Clipboard); });
    }
    menu->popup(globalPos);
}

} // namespace lirem::ui
