// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinComBox.h"

#include "skin/controls/SkinControlDraw.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace lirem::skin {

namespace {
constexpr int kComboCells = 4;
constexpr int kSunkFrames = 4;
constexpr int kExtraFrames = 5;
} // namespace

int ComboButtonCell(bool enabled, bool pressed, bool focusedOrHot) {
    if (!enabled)
        return 3;
    if (pressed)
        return 2;
    if (focusedOrHot)
        return 4;
    return 1;
}

QRect TSkinComBox::ButtonRect(QSize size, int top, int bottom, int buttonWidth) {
    return QRect(size.width() - buttonWidth, top, buttonWidth, size.height() - top - bottom);
}

void TSkinComBox::AfterMessage(QEvent* event) {
    QWidget* control = Control();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton)
            break;
        Set(StateBit::Pressed, event->type() != QEvent::MouseButtonRelease);
        RepaintSkin();
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (control->isEnabled()) {
            Set(StateBit::Hot, event->type() == QEvent::Enter);
            RepaintSkin();
        }
        break;
    default:
        TSkinControl::AfterMessage(event);
        break;
    }
}

void TSkinComBox::PaintSkin(QPainter& painter, const QRect& rect) {
    const ControlLook look = Look();
    if (!look.comboButton.Usable() || !look.sunkEdge.Usable())
        return;
    QWidget* control = Control();
    const SkinElement& sunk = look.sunkEdge;
    // Edge widths come from the SunkEdge margins, 1 or 2 pixels.
    const auto edgeOf = [](int margin) { return std::clamp(margin, 1, 2); };
    const int left = edgeOf(sunk.left);
    const int top = edgeOf(sunk.top);
    const int bottom = edgeOf(sunk.bottom);
    const int edge = std::max({left, top, bottom});

    // A one-pixel frame in the control's colour just inside the edge.
    painter.save();
    painter.setPen(control->palette().color(QPalette::Base));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(edge, edge, -edge - 1, -edge - 1));
    painter.restore();

    // The drop-down button.
    const int width = control->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, control) + 2;
    const QRect button = ButtonRect(rect.size(), top, bottom, width).translated(rect.topLeft());
    FillFace(painter, button);
    const int cell = ComboButtonCell(control->isEnabled(), Pressed(), control->hasFocus() || Hot());
    DrawCell(painter, button, kComboCells, cell, *look.comboButton.image);
    if (look.extraImages.Usable()) {
        const QImage& extra = *look.extraImages.image;
        const QSize cellSize(extra.width() / kExtraFrames, extra.height());
        QRect at(QPoint(), cellSize);
        at.moveCenter(button.center());
        DrawCell(painter, at, kExtraFrames, 1, extra);
    }

    // The sunken strips along the left, top and bottom edges (frame 1).
    const QImage& image = *sunk.image;
    const int fw = image.width() / kSunkFrames;
    const int fh = image.height();
    if (fw < left || fh < top + bottom)
        return;
    painter.drawImage(QRect(rect.left(), rect.top(), left, rect.height()), image, QRect(0, 0, left, fh));
    painter.drawImage(QRect(rect.left(), rect.top(), rect.width(), top), image, QRect(0, 0, fw, top));
    painter.drawImage(QRect(rect.left(), rect.bottom() + 1 - bottom, rect.width(), bottom), image,
                      QRect(0, fh - bottom, fw, bottom));
}

} // namespace lirem::skin
