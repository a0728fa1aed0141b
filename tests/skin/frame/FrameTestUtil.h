// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Event and pixel helpers for the frame tests.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace lirem::skin::test {

inline void SendMouse(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton,
                      Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent event(type, QPointF(pos), QPointF(w.mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

inline void MoveTo(QWidget& w, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton) {
    SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, buttons);
}
inline void Press(QWidget& w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}
inline void Release(QWidget& w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

inline void SetActive(QWidget& w, bool active) {
    QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
    QApplication::sendEvent(&w, &event);
}

inline QRgb PixelAt(QWidget& w, QPoint pos) {
    return w.grab().toImage().pixel(pos);
}

} // namespace lirem::skin::test
