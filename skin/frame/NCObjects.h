// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clickable parts of a skinned window frame: caption buttons and the items
// of the skinned menu bar. Each has a rectangle in window coordinates, a
// visible flag and a state, and takes part in the frame's hot tracking.

#include "skin/data/WinSkinData.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QRect>

class QPainter;

namespace lirem::skin {

class TWinSkinForm;

enum class NCState { Normal = 1, Pressed = 2, Hot = 3 };

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& owner) : owner_(owner) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void NCMouseDown();
    virtual void NCMouseUp();
    virtual void NCMouseMove();
    virtual void NCMouseLeave();
    // Draws the object at its rectangle; the painter works in window coordinates.
    virtual void NCPaint(QPainter& painter) = 0;

    TWinSkinForm& Owner() const { return owner_; }

    QRect Rect;
    bool Visible = true;
    NCState State = NCState::Normal;

protected:
    void Repaint();

private:
    TWinSkinForm& owner_;
};

// A caption button drawn from its skin entry.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& data);

    void NCPaint(QPainter& painter) override;

    const TDataSkinSysButton& Data() const { return data_; }
    // The image drawn: the window icon strip when one was made, else the entry's.
    const QImage& Image() const;
    int FrameCount() const;
    // Replaces the entry's image by a strip of the window icon (six frames).
    void SetIconStrip(QImage strip);
    // The icon itself, drawn at the screen's pixel density in place of the strip.
    void SetIcon(QIcon icon) { icon_ = std::move(icon); }
    int Action() const;

private:
    const TDataSkinSysButton& data_;
    QImage iconStrip_;
    QIcon icon_;
};

// A top-level item of the skinned menu bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& owner, QAction* item, TSkinData* skin, int index);

    void NCPaint(QPainter& painter) override;

    QAction* Item() const { return item_; }
    const TSkinData* Skin() const { return skin_; }
    int Index() const { return index_; }

private:
    QPointer<QAction> item_;
    QPointer<TSkinData> skin_; // null once the skin data is gone
    int index_;
};

} // namespace lirem::skin
