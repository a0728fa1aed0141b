// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinCheckBox.h"

#include "skin/controls/SkinControlDraw.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace lirem::skin {

QRect CheckGlyphRect(QSize controlSize, QSize glyphSize, bool captionOnRight) {
    const int y = (controlSize.height() - glyphSize.height()) / 2;
    const int width = glyphSize.width();
    int x = 0;
    if (width < 15) {
        const int inset = (14 - width) / 2;
        x = captionOnRight ? inset : controlSize.width() - inset - width;
    } else {
        x = captionOnRight ? 0 : controlSize.width() - 1 - width;
    }
    return QRect(QPoint(x, y), glyphSize);
}

// ---------------------------------------------------------------------------
// SkinCheckGlyph
// ---------------------------------------------------------------------------

void SkinCheckGlyph::Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) {
    TSkinControl::Attach(control, skin, canvas);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::toggled, this, [this] { RepaintSkin(); });
}

void SkinCheckGlyph::BeforeMessage(QEvent* event) {
    if (event->type() != QEvent::Paint)
        return;
    // The caption is drawn by the control, in the skin's button text colour.
    const QColor text = Look().buttonText;
    QWidget* control = Control();
    if (control->palette().color(QPalette::WindowText) != text) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
        control->setPalette(palette);
    }
}

void SkinCheckGlyph::AfterMessage(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton)
            RepaintSkin();
        break;
    default:
        TSkinControl::AfterMessage(event);
        break;
    }
}

void SkinCheckGlyph::PaintSkin(QPainter& painter, const QRect& rect) {
    const ControlLook look = Look();
    const QImage* glyphs = Glyphs(look);
    const int cells = GlyphCells(look);
    if (glyphs == nullptr || glyphs->isNull() || cells < 1 || glyphs->width() / cells < 1)
        return;
    const QWidget* control = Control();
    const bool captionOnRight = control->layoutDirection() == Qt::LeftToRight;
    const QRect glyph = CheckGlyphRect(rect.size(), QSize(glyphs->width() / cells, glyphs->height()), captionOnRight)
                            .translated(rect.topLeft());
    // Cover the toolkit's own indicator as well as the glyph box.
    QStyleOptionButton option;
    option.initFrom(control);
    option.rect = rect;
    const QStyle::SubElement indicator = qobject_cast<const QCheckBox*>(control) != nullptr
                                             ? QStyle::SE_CheckBoxIndicator
                                             : QStyle::SE_RadioButtonIndicator;
    const QRect native = control->style()->subElementRect(indicator, &option, control);
    painter.fillRect(native.united(glyph), look.buttonFace);
    DrawCell(painter, glyph, cells, Cell(), *glyphs);
}

// ---------------------------------------------------------------------------
// TSkinCheckBox, TSkinRadioButton
// ---------------------------------------------------------------------------

int TSkinCheckBox::Cell() const {
    const auto* box = qobject_cast<const QCheckBox*>(Control());
    if (box == nullptr)
        return 1;
    if (!box->isEnabled())
        return 3;
    switch (box->checkState()) {
    case Qt::Checked:
        return 2;
    case Qt::PartiallyChecked:
        return 4;
    case Qt::Unchecked:
        break;
    }
    return 1;
}

int TSkinRadioButton::Cell() const {
    const auto* button = qobject_cast<const QAbstractButton*>(Control());
    if (button == nullptr)
        return 1;
    if (!button->isEnabled())
        return 3;
    return button->isChecked() ? 2 : 1;
}

} // namespace lirem::skin
