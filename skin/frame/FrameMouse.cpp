// SPDX-License-Identifier: GPL-3.0-or-later
// TWinSkinForm: the mouse in the frame. Hot tracking of the caption buttons
// and menu bar items, and the left button's state machine (CaptionMouse.h):
// caption buttons act on release, the bare caption moves the window or
// toggles maximised on a double click; a right click opens the system menu.
#include "skin/frame/WinSkinForm.h"

#include "skin/frame/NCObjects.h"
#include "skin/frame/WinSkinMenu.h"

#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include <optional>

namespace lirem::skin {

TNCObject* TWinSkinForm::ObjectAt(const QPoint& pos) const {
    for (const auto& button : sysButtons_) {
        if (button->Visible && button->Rect.contains(pos))
            return button.get();
    }
    if (menuBar_ != nullptr)
        return menuBar_->ItemAt(pos);
    return nullptr;
}

void TWinSkinForm::StartHoverTimer() {
    if (hoverTimer_ != nullptr && !hoverTimer_->isActive())
        hoverTimer_->start();
}

void TWinSkinForm::HoverCheck(const QPoint& windowPos) {
    if (menuBar_ != nullptr && menuBar_->IsPopupOpen())
        return;
    if (hot_ != nullptr && hot_->Rect.contains(windowPos))
        return;
    if (hot_ != nullptr)
        hot_->NCMouseLeave();
    hot_ = nullptr;
    if (hoverTimer_ != nullptr)
        hoverTimer_->stop();
}

bool TWinSkinForm::HandleMouse(QEvent* event) {
    const auto* me = static_cast<QMouseEvent*>(event);
    const QPoint pos = me->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove:
        return MouseMove(pos, me->globalPosition().toPoint(), me->buttons());
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return MousePress(pos, me->globalPosition().toPoint(), me->button(),
                          event->type() == QEvent::MouseButtonDblClick);
    case QEvent::MouseButtonRelease:
        return MouseRelease(pos, me->button());
    default:
        return false;
    }
}

CaptionEffect TWinSkinForm::StepCaption(CaptionInput input) {
    const CaptionStep step = CaptionTransition(caption_, input);
    caption_ = step.next;
    if (caption_ != CaptionState::PressedOnButton)
        pressed_ = nullptr;
    return step.effect;
}

bool TWinSkinForm::MouseMove(const QPoint& pos, const QPoint& globalPos, Qt::MouseButtons buttons) {
    const bool canDrag = (buttons & Qt::LeftButton) != 0 && form_->windowHandle() != nullptr;
    CaptionEffect effect = StepCaption(canDrag ? CaptionInput::DragMove : CaptionInput::Move);
    // Moving through the window system (Wayland ignores move()); without a
    // window manager X11 refuses, and the window follows the mouse itself.
    if (effect == CaptionEffect::StartMove && !form_->windowHandle()->startSystemMove())
        effect = StepCaption(CaptionInput::SystemMoveRefused);
    if (effect == CaptionEffect::StartMove)
        return true;
    if (effect == CaptionEffect::MoveByHand) {
        form_->move(windowAtPress_ + (globalPos - pressAt_));
        return true;
    }
    const bool inFrame = pressed_ != nullptr || !ClientRect().contains(pos);
    TNCObject* object = inFrame && active_ ? ObjectAt(pos) : nullptr;
    if (object != nullptr)
        object->NCMouseMove();
    else if (hot_ != nullptr)
        hot_->NCMouseLeave();
    return inFrame;
}

bool TWinSkinForm::MousePress(const QPoint& pos, const QPoint& globalPos, Qt::MouseButton button, bool doubleClick) {
    if (ClientRect().contains(pos))
        return false;
    // A press reaches an inactive window only while the window system activates
    // it, so it counts as a press on the active window.
    TNCObject* object = ObjectAt(pos);
    const bool onCaption = pos.y() >= 0 && pos.y() < titleHeight_;
    if (button == Qt::RightButton && onCaption && dynamic_cast<TMenuBtn*>(object) == nullptr)
        PopupSystemMenu(globalPos);
    if (button != Qt::LeftButton)
        return true;
    std::optional<CaptionInput> input;
    if (object != nullptr)
        input = CaptionInput::PressOnObject;
    else if (onCaption)
        input = doubleClick ? CaptionInput::DoubleClickOnCaption : CaptionInput::PressOnCaption;
    if (!input)
        return true; // a press on a border
    pressAt_ = globalPos;
    windowAtPress_ = form_->pos();
    switch (StepCaption(*input)) {
    case CaptionEffect::PressObject:
        object->NCMouseDown();
        pressed_ = object;
        if (auto* item = dynamic_cast<TMenuBtn*>(object); item != nullptr && menuBar_ != nullptr)
            menuBar_->OpenItem(item->Index());
        break;
    case CaptionEffect::ToggleMaximize:
        RunSystemCommand(SysCommand::Maximize);
        break;
    default:
        break;
    }
    return true;
}

bool TWinSkinForm::MouseRelease(const QPoint& pos, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return !ClientRect().contains(pos);
    TNCObject* pressed = pressed_;
    const bool mayAct = StepCaption(CaptionInput::LeftRelease) == CaptionEffect::ReleaseObject;
    TNCObject* object = ObjectAt(pos);
    if (object == nullptr)
        return pressed != nullptr || !ClientRect().contains(pos);
    // Only a release over the button that took the press acts.
    if (auto* sysButton = dynamic_cast<TWinSysButton*>(object);
        sysButton != nullptr && mayAct && object == hot_ && object == pressed) {
        object->NCMouseUp();
        DoSysAction(*sysButton);
    }
    return true;
}

} // namespace lirem::skin
