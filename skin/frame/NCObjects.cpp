// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/NCObjects.h"

#include "skin/data/SkinDraw.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/FrameLayout.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/WinSkinMenu.h"

#include <QPainter>

namespace lirem::skin {

// --- TNCObject ---------------------------------------------------------------

void TNCObject::NCMouseMove() {
    owner_.StartHoverTimer();
    TNCObject* hot = owner_.HotObject();
    if (hot != nullptr && hot != this)
        hot->NCMouseLeave();
    if (owner_.HotObject() != this && Visible) {
        owner_.SetHotObject(this);
        State = NCState::Hot;
        Repaint();
    }
}

void TNCObject::NCMouseDown() {
    TNCObject* hot = owner_.HotObject();
    if (hot != nullptr && hot != this)
        hot->NCMouseLeave();
    if (Visible) {
        owner_.SetHotObject(this);
        State = NCState::Pressed;
        Repaint();
    }
}

void TNCObject::NCMouseUp() {
    if (Visible) {
        State = NCState::Hot;
        Repaint();
    }
}

void TNCObject::NCMouseLeave() {
    if (Visible) {
        if (owner_.HotObject() == this)
            owner_.SetHotObject(nullptr);
        State = NCState::Normal;
        Repaint();
    }
}

void TNCObject::Repaint() {
    owner_.RepaintObject(*this);
}

// --- TWinSysButton -----------------------------------------------------------

TWinSysButton::TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& data) : TNCObject(owner), data_(data) {}

const QImage& TWinSysButton::Image() const {
    return iconStrip_.isNull() ? data_.Bitmap : iconStrip_;
}

int TWinSysButton::FrameCount() const {
    if (!iconStrip_.isNull())
        return 6;
    return data_.FrameCount > 0 ? data_.FrameCount : 1;
}

void TWinSysButton::SetIconStrip(QImage strip) {
    iconStrip_ = std::move(strip);
}

int TWinSysButton::Action() const {
    return data_.Action;
}

void TWinSysButton::NCPaint(QPainter& painter) {
    const QImage& image = Image();
    if (!Visible || image.isNull() || Rect.isEmpty())
        return;
    if (!icon_.isNull()) {
        // Rendered for the device's pixels, so it stays sharp on a scaled screen.
        const qreal dpr = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
        painter.drawPixmap(Rect, icon_.pixmap(Rect.size(), dpr));
        return;
    }
    const int frame = SysButtonFrameIndex(static_cast<int>(State), Owner().Active(), FrameCount());
    DrawFrameCell(painter, Rect, image, true, frame);
}

// --- TMenuBtn ----------------------------------------------------------------

TMenuBtn::TMenuBtn(TWinSkinForm& owner, QAction* item, TSkinData* skin, int index)
    : TNCObject(owner), item_(item), skin_(skin), index_(index) {}

void TMenuBtn::NCPaint(QPainter& painter) {
    if (TWinSkinMenu* bar = Owner().MenuBar())
        bar->PaintItem(painter, *this);
}

} // namespace lirem::skin
