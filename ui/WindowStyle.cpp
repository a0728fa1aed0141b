// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace lirem::ui {

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    if (metric == PM_TabBarTabHSpace) {
        // Room for the caption plus about one letter on either side.
        const int em = option != nullptr ? option->fontMetrics.height() : 12;
        return em + em / 2;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QFontMetrics& metrics = option->fontMetrics;
    const int titleHeight = metrics.height();
    // An etched frame whose top line runs through the middle of the caption.
    const QRect frame = option->rect.adjusted(0, titleHeight / 2, 0, 0);
    qDrawShadeRect(painter, frame, option->palette, true, 1, 0);
    if (!box->text.isEmpty()) {
        const int inset = metrics.averageCharWidth() + 2;
        const QRect title(option->rect.left() + inset, option->rect.top(), metrics.horizontalAdvance(box->text) + 4,
                          titleHeight);
        painter->fillRect(title, option->palette.window());
        drawItemText(painter, title, Qt::AlignCenter | Qt::TextShowMnemonic, option->palette,
                     (option->state & State_Enabled) != 0, box->text, QPalette::WindowText);
    }
}

} // namespace lirem::ui
