// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Check boxes and radio buttons: the control draws its caption, the skin draws
// the glyph from the Buttons element's CheckButton or RadioButton image.

#include "skin/controls/WinSubClass.h"

namespace lirem::skin {

// Where a glyph glyphSize large goes in a control of controlSize: vertically
// centred; narrower than 15 pixels it is inset by (14 - width) / 2 from the
// left edge (caption on the right) or ends that far from the right edge;
// wider glyphs sit at the left edge or 1 pixel from the right edge.
QRect CheckGlyphRect(QSize controlSize, QSize glyphSize, bool captionOnRight);

// The shared part of check boxes and radio buttons.
class SkinCheckGlyph : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;
    void Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) override;

    // The cell of the glyph image the control shows now (1-based).
    virtual int Cell() const = 0;

protected:
    void BeforeMessage(QEvent* event) override;
    void AfterMessage(QEvent* event) override;
    void PaintSkin(QPainter& painter, const QRect& rect) override;

    // The glyph image and its number of cells.
    virtual const QImage* Glyphs(const ControlLook& look) const = 0;
    virtual int GlyphCells(const ControlLook& look) const = 0;
};

// Cells: 1 unchecked, 2 checked, 3 disabled, 4 greyed.
class TSkinCheckBox : public SkinCheckGlyph {
    Q_OBJECT
public:
    using SkinCheckGlyph::SkinCheckGlyph;
    int Cell() const override;

protected:
    const QImage* Glyphs(const ControlLook& look) const override { return look.checkButton; }
    int GlyphCells(const ControlLook& look) const override { return look.checkButtonFrames; }
};

// Cells: 1 not checked, 2 checked, 3 disabled.
class TSkinRadioButton : public SkinCheckGlyph {
    Q_OBJECT
public:
    using SkinCheckGlyph::SkinCheckGlyph;
    int Cell() const override;

protected:
    const QImage* Glyphs(const ControlLook& look) const override { return look.radioButton; }
    int GlyphCells(const ControlLook& look) const override { return look.radioButtonFrames; }
};

} // namespace lirem::skin
