// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/WinSubClass.h"

#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScratch.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"

#include <QEvent>
#include <QPainter>

#include <memory>

namespace lirem::skin {

// ---------------------------------------------------------------------------
// TSkinControl
// ---------------------------------------------------------------------------

TSkinControl::TSkinControl(QObject* owner) : QObject(owner) {}

TSkinControl::~TSkinControl() {
    Detach();
}

void TSkinControl::Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) {
    Detach();
    control_ = control;
    skin_ = skin;
    canvas_ = canvas;
    if (control_ == nullptr)
        return;
    attached_ = true;
    control_->installEventFilter(this);
    // The control going away takes the router with it; only forget it here.
    connect(control_, &QObject::destroyed, this, [this] { attached_ = false; });
    RepaintSkin();
}

void TSkinControl::Detach() {
    for (const auto& child : std::as_const(watched_))
        if (child != nullptr)
            child->removeEventFilter(this);
    watched_.clear();
    if (attached_ && control_ != nullptr) {
        control_->removeEventFilter(this);
        disconnect(control_, nullptr, this, nullptr);
        control_->update();
    }
    attached_ = false;
}

void TSkinControl::Watch(QObject* child) {
    if (child == nullptr || watched_.contains(child))
        return;
    watched_.append(child);
    child->installEventFilter(this);
}

bool TSkinControl::eventFilter(QObject* watched, QEvent* event) {
    if (!attached_)
        return false;
    if (watched != control_)
        return ChildEvent(watched, event);
    // A disabled control drops input itself and lets it travel on to its
    // parent; keep that by not routing input it would ignore.
    if (!control_->isEnabled() && event->isInputEvent())
        return false;

    consumed_ = false;
    BeforeMessage(event);
    if (consumed_)
        return true;

    const QPointer<TSkinControl> self(this);
    const QPointer<QWidget> target(control_);
    static_cast<QObject*>(target.data())->event(event);
    if (self != nullptr && target != nullptr && attached_)
        AfterMessage(event);
    return true;
}

void TSkinControl::BeforeMessage(QEvent* /*event*/) {}

void TSkinControl::AfterMessage(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        PaintNow();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        RepaintSkin();
        break;
    default:
        break;
    }
}

void TSkinControl::PaintSkin(QPainter& /*painter*/, const QRect& /*rect*/) {}

bool TSkinControl::ChildEvent(QObject* /*watched*/, QEvent* /*event*/) {
    return false;
}

void TSkinControl::PaintNow() {
    if (control_ == nullptr || skin_ == nullptr)
        return;
    QPainter painter(control_);
    PaintSkin(painter, control_->rect());
}

void TSkinControl::RepaintSkin() {
    if (control_ != nullptr)
        control_->update();
}

void TSkinControl::FillFace(QPainter& painter, const QRect& rect) const {
    painter.fillRect(rect, Look().buttonFace);
}

ControlLook TSkinControl::Look() const {
    return skin_ != nullptr ? LookOf(*skin_) : ControlLook{};
}

void TSkinControl::Set(StateBit bit, bool on) {
    const auto mask = static_cast<std::uint8_t>(bit);
    state_ = static_cast<std::uint8_t>(on ? (state_ | mask) : (state_ & ~mask));
}

// ---------------------------------------------------------------------------
// Factory
// ---------------------------------------------------------------------------

namespace {

std::unique_ptr<TSkinControl> Make(SkinControlClass kind, QObject* owner) {
    switch (kind) {
    case SkinControlClass::Button:
        return std::make_unique<TSkinButton>(owner);
    case SkinControlClass::BitButton:
        return std::make_unique<TSkinBitButton>(owner);
    case SkinControlClass::CheckBox:
        return std::make_unique<TSkinCheckBox>(owner);
    case SkinControlClass::RadioButton:
        return std::make_unique<TSkinRadioButton>(owner);
    case SkinControlClass::Box:
        return std::make_unique<TSkinBox>(owner);
    case SkinControlClass::StatusBar:
        return std::make_unique<TSkinStatusBar>(owner);
    case SkinControlClass::Tab:
        return std::make_unique<TSkinTab>(owner);
    case SkinControlClass::Progress:
        return std::make_unique<TSkinProgress>(owner);
    case SkinControlClass::ComBox:
        return std::make_unique<TSkinComBox>(owner);
    case SkinControlClass::ScrollBar:
        return std::make_unique<TSkinScrollBar>(owner);
    }
    return nullptr;
}

} // namespace

QObject* CreateSkinControl(SkinControlClass kind, QWidget* control, TSkinData* data, QObject* owner) {
    if (control == nullptr || data == nullptr)
        return nullptr;
    // Without an owner the object lives as long as its control.
    auto object = Make(kind, owner != nullptr ? owner : control);
    if (object == nullptr)
        return nullptr;
    object->Attach(control, data, SkinScratch::Of(owner != nullptr ? owner : control));
    return object.release();
}

} // namespace lirem::skin
