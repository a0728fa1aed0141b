// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a widget is on the screen in the screen's own pixels, as assistive
// technology (a magnifier, a screen reader's mouse review) expects them. The
// toolkit's rectangles are in scaled units: at 120 dpi or 200 % they would
// point short of the widget.

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace lirem::ui {

// local: a rectangle in the widget's coordinates.
[[nodiscard]] inline QRect DeviceRect(const QWidget* widget, const QRect& local) {
    if (widget == nullptr) {
        return {};
    }
    const QRect logical(widget->mapToGlobal(local.topLeft()), local.size());
    const qreal ratio = widget->devicePixelRatioF();
    const QScreen* screen = widget->screen();
    if (ratio == 1.0 || screen == nullptr) {
        return logical;
    }
    // Scaled about the screen's corner, which stays where it is.
    const QPoint origin = screen->geometry().topLeft();
    const auto scale = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    const QPoint from = logical.topLeft() - origin;
    const QPoint to = logical.bottomRight() + QPoint(1, 1) - origin;
    return {origin + QPoint(scale(from.x()), scale(from.y())),
            origin + QPoint(scale(to.x()), scale(to.y())) - QPoint(1, 1)};
}

[[nodiscard]] inline QRect DeviceRect(const QWidget* widget) {
    return widget != nullptr ? DeviceRect(widget, widget->rect()) : QRect();
}

} // namespace lirem::ui
