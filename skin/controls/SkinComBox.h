// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Combo boxes: the drop-down button from ComboButton (optionally with an
// ExtraImages picture on it) and sunken edges from SunkEdge.

#include "skin/controls/WinSubClass.h"

namespace lirem::skin {

// Cell of the ComboButton image: 3 disabled, 2 pressed, 4 focused or hot,
// 1 otherwise.
int ComboButtonCell(bool enabled, bool pressed, bool focusedOrHot);

class TSkinComBox : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;

    // The drop-down button's area: buttonWidth wide along the right edge of
    // a control of size, between its top and bottom edges.
    static QRect ButtonRect(QSize size, int top, int bottom, int buttonWidth);

protected:
    void AfterMessage(QEvent* event) override;
    void PaintSkin(QPainter& painter, const QRect& rect) override;
};

} // namespace lirem::skin
