// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Push buttons and bitmap buttons drawn from the skin's Buttons element.

#include "skin/controls/SkinControlDraw.h"
#include "skin/controls/WinSubClass.h"

#include <QPixmap>

namespace lirem::skin {

// Frame of the Buttons element for a button's state: 1 normal, 2 pressed,
// 3 disabled, 4 focused or hot.
int ButtonFrame(bool enabled, bool focused, bool pressed, bool hot);

class TSkinButton : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;

    // The frame the button shows now.
    int Frame() const;

protected:
    void BeforeMessage(QEvent* event) override;
    void AfterMessage(QEvent* event) override;
    void PaintSkin(QPainter& painter, const QRect& rect) override;

    // Frames in the Buttons image.
    virtual int FrameCount(const ControlLook& look) const;
    // Draws the caption (and anything beside it) over the background.
    virtual void DrawContent(QPainter& painter, const QRect& rect, const ControlLook& look);
    // Whether the skin has a button image to draw with.
    bool Skinned() const;

    CaptionCache captions_;

private:
    ComposedCache backgrounds_;
};

// A button with a glyph: laid out by its Layout, Margin and Spacing
// properties ("glyphLeft", "glyphRight", "glyphTop", "glyphBottom"; -1 for
// centred / evenly spread), the glyph's top-left colour see-through.
class TSkinBitButton : public TSkinButton {
    Q_OBJECT
public:
    using TSkinButton::TSkinButton;

protected:
    int FrameCount(const ControlLook& look) const override;
    void DrawContent(QPainter& painter, const QRect& rect, const ControlLook& look) override;
};

} // namespace lirem::skin
