// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skinned-control family: one object per standard control of a skinned
// window, sitting in front of the control's own event handling and drawing the
// skinned look over the control after it has painted itself.
//
// TSkinControl is the router and the shared state; the ten kinds live in
// their own files (SkinButton, SkinCheckBox, SkinBox, SkinStatusBar, SkinTab,
// SkinProgress, SkinComBox, SkinScrollBar). CreateSkinControl makes the right
// kind for the window frame.

#include "skin/controls/SkinControlLook.h"
#include "skin/data/SkinControlClass.h"
#include "skin/data/WinSkinData.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>

class QPainter;

namespace lirem::skin {

class SkinScratch;

// ---------------------------------------------------------------------------
// TSkinControl
// ---------------------------------------------------------------------------

class TSkinControl : public QObject {
    Q_OBJECT
public:
    // Bits of the state byte.
    enum class StateBit : std::uint8_t { Hot = 1, Pressed = 2 };

    explicit TSkinControl(QObject* owner);
    ~TSkinControl() override;

    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // Stores the control, the skin and the shared scratch, and puts the router
    // in front of the control's own event handling.
    virtual void Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas);
    // Takes the router away again; the control keeps working on its own.
    void Detach();

    QWidget* Control() const { return control_; }
    TSkinData* Skin() const { return skin_; }
    bool Attached() const { return attached_; }
    std::uint8_t State() const { return state_; }
    bool Hot() const { return Has(StateBit::Hot); }
    bool Pressed() const { return Has(StateBit::Pressed); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs before the control sees an event; sets consumed_ to keep it away.
    virtual void BeforeMessage(QEvent* event);
    // Runs after the control has handled an event it was given.
    virtual void AfterMessage(QEvent* event);
    // Draws the skinned look over the control; painter is open on the control.
    virtual void PaintSkin(QPainter& painter, const QRect& rect);

    // Asks for the skinned look to be drawn again: the control repaints itself
    // and the skin is drawn over it in that paint.
    void RepaintSkin();
    void FillFace(QPainter& painter, const QRect& rect) const;

    // The skin's elements and palette as they are now.
    ControlLook Look() const;
    SkinScratch* Canvas() const { return canvas_; }

    // Events of another widget than the control (a tab control's tab bar, a
    // scroll area's bars) pass through here; kinds that watch such widgets
    // override it. Returns true when the event must not reach that widget.
    virtual bool ChildEvent(QObject* watched, QEvent* event);
    // Puts the router in front of another widget of the control as well.
    void Watch(QObject* child);
    // Paints the control's skin now, inside its paint event.
    void PaintNow();

    bool Has(StateBit bit) const { return (state_ & static_cast<std::uint8_t>(bit)) != 0; }
    void Set(StateBit bit, bool on);

    bool consumed_ = false;

private:
    QPointer<QWidget> control_;
    QList<QPointer<QObject>> watched_;
    QPointer<TSkinData> skin_; // null once the skin data is gone
    SkinScratch* canvas_ = nullptr;
    std::uint8_t state_ = 0;
    bool attached_ = false;
};

// ---------------------------------------------------------------------------
// Factory for the window frame
// ---------------------------------------------------------------------------

// Makes the skinned-control object of class kind for control, attaches it and
// makes owner its parent (owner's scratch image is the one it draws with).
// Returns nullptr when control or data is missing. Matches SkinControlFactory.
QObject* CreateSkinControl(SkinControlClass kind, QWidget* control, TSkinData* data, QObject* owner);

} // namespace lirem::skin
