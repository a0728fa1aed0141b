// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinButton.h"

#include "skin/controls/GlyphLayout.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

namespace lirem::skin {

namespace {

constexpr int kButtonFrames = 5;

bool IsLeftPress(const QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool IsSpace(const QEvent* event) {
    return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space;
}

QString CaptionOf(const QWidget* control) {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button != nullptr ? button->text() : QString();
}

} // namespace

int ButtonFrame(bool enabled, bool focused, bool pressed, bool hot) {
    // A disabled button cannot be focused, pressed or hot-tracked, whatever
    // bits are left over from before it was disabled.
    if (!enabled)
        return 3;
    if (pressed)
        return 2;
    if (hot || focused)
        return 4;
    return 1;
}

// ---------------------------------------------------------------------------
// TSkinButton
// ---------------------------------------------------------------------------

int TSkinButton::Frame() const {
    const QWidget* control = Control();
    if (control == nullptr)
        return 1;
    // A button that handled a press itself (it could not take the focus) is
    // down by its own account.
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const bool down = Pressed() || (button != nullptr && button->isDown());
    return ButtonFrame(control->isEnabled(), control->hasFocus(), down, Hot());
}

bool TSkinButton::Skinned() const {
    return Look().buttons.Usable();
}

void TSkinButton::BeforeMessage(QEvent* event) {
    if (!IsLeftPress(event) || !Skinned())
        return;
    QWidget* control = Control();
    // A button that does not take the focus by click is left to itself.
    if (!control->hasFocus() && (control->focusPolicy() & Qt::ClickFocus) != 0)
        control->setFocus(Qt::MouseFocusReason);
    if (!control->hasFocus())
        return;
    // The press is the skin's: the control never goes down by itself, and the
    // release below decides about the click.
    Set(StateBit::Pressed, true);
    RepaintSkin();
    consumed_ = true;
}

void TSkinButton::AfterMessage(QEvent* event) {
    QWidget* control = Control();
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Held keys repeat as release/press pairs; only the real release counts.
        if (IsSpace(event) && !key->isAutoRepeat()) {
            Set(StateBit::Pressed, event->type() == QEvent::KeyPress);
            RepaintSkin();
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const bool click = Pressed() && control->rect().contains(mouse->position().toPoint());
        Set(StateBit::Pressed, false);
        RepaintSkin();
        // Only a press that the skin took and a release over the button click;
        // the control saw no press and so never clicks by itself.
        if (click)
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->click();
        break;
    }
    case QEvent::Enter:
        if (control->isEnabled()) {
            Set(StateBit::Hot, true);
            RepaintSkin();
        }
        break;
    case QEvent::Leave:
        if (control->isEnabled()) {
            Set(StateBit::Hot, false);
            Set(StateBit::Pressed, false);
            RepaintSkin();
        }
        break;
    case QEvent::EnabledChange:
        if (!control->isEnabled()) {
            Set(StateBit::Hot, false);
            Set(StateBit::Pressed, false);
        }
        TSkinControl::AfterMessage(event);
        break;
    default:
        TSkinControl::AfterMessage(event);
        break;
    }
}

int TSkinButton::FrameCount(const ControlLook& /*look*/) const {
    return kButtonFrames;
}

void TSkinButton::PaintSkin(QPainter& painter, const QRect& rect) {
    const ControlLook look = Look();
    if (!look.buttons.Usable())
        return;
    const int frames = FrameCount(look);
    const int frame = Frame();
    const ComposedCache::Key key{look.buttons.image->cacheKey(), rect.size(), frames, frame, look.buttons.trans,
                                 look.buttonFace.rgba()};
    const QPixmap& background = backgrounds_.Get(
        key, [&] { return SkinBackground(rect.size(), look.buttons, frames, frame, look.buttonFace, Canvas()); });
    painter.drawPixmap(rect.topLeft(), background);

    painter.setFont(RegularFont(Control()->font()));
    QColor colour = look.buttonText;
    const int number = frame == 1   ? look.buttons.normalColour
                       : frame == 4 ? look.buttons.mouseOverColour
                       : frame == 2 ? look.buttons.pressedColour
                                    : -1;
    if (const auto own = look.ColourOf(number))
        colour = *own;
    painter.setPen(colour);
    DrawContent(painter, rect, look);
}

void TSkinButton::DrawContent(QPainter& painter, const QRect& rect, const ControlLook& look) {
    DrawCenteredCaption(painter, rect, CaptionOf(Control()), Control()->isEnabled(), look.buttonShadow, &captions_);
}

// ---------------------------------------------------------------------------
// TSkinBitButton
// ---------------------------------------------------------------------------

namespace {

GlyphLayout LayoutOf(const QWidget* control) {
    const QString layout = control->property("Layout").toString();
    if (layout == QLatin1String("glyphRight"))
        return GlyphLayout::Right;
    if (layout == QLatin1String("glyphTop"))
        return GlyphLayout::Top;
    if (layout == QLatin1String("glyphBottom"))
        return GlyphLayout::Bottom;
    return GlyphLayout::Left;
}

int IntProperty(const QWidget* control, const char* name, int fallback) {
    bool ok = false;
    const int value = control->property(name).toInt(&ok);
    return ok ? value : fallback;
}

// The first glyph of the button's picture, its top-left colour see-through.
QImage GlyphOf(const QAbstractButton* button) {
    if (button->icon().isNull())
        return {};
    QImage picture = button->icon().pixmap(button->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
    const int glyphs = std::max(1, IntProperty(button, "NumGlyphs", 1));
    picture = picture.copy(0, 0, picture.width() / glyphs, picture.height());
    if (picture.isNull())
        return {};
    const QRgb key = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return picture;
}

} // namespace

int TSkinBitButton::FrameCount(const ControlLook& look) const {
    return std::max(1, look.buttons.frames);
}

void TSkinBitButton::DrawContent(QPainter& painter, const QRect& rect, const ControlLook& look) {
    const auto* button = qobject_cast<const QAbstractButton*>(Control());
    if (button == nullptr)
        return;
    const QImage glyph = GlyphOf(button);
    const QString text = button->text();
    const QSize textSize = text.isEmpty() ? QSize() : captions_.Get(text, painter.font()).size;
    const GlyphPlacement at = PlaceGlyph(rect.size(), glyph.size(), textSize, LayoutOf(button),
                                         IntProperty(button, "Margin", -1), IntProperty(button, "Spacing", 4));
    if (!glyph.isNull())
        painter.drawImage(rect.topLeft() + at.glyph, glyph);
    if (!text.isEmpty())
        DrawCenteredCaption(painter, QRect(rect.topLeft() + at.text, textSize), text, button->isEnabled(),
                            look.buttonShadow, &captions_);
}

} // namespace lirem::skin
