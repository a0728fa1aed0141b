// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scroll bars of controls that scroll (memos, lists, scroll areas): arrows
// from the Scrollbar image, the track from HorzScroll / VertScroll and the
// thumb from HorzScrollThumb / VertScrollThumb.

#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/WinSubClass.h"

class QScrollBar;

namespace lirem::skin {

// The part of a bar held down.
enum class ScrollPart { None = 0, LeftArrow, RightArrow, UpArrow, DownArrow, HorzThumb, VertThumb };

class TSkinScrollBar : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;
    void Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) override;

    ScrollPart PressedPart() const { return pressed_; }
    // The control shows the bar, so the skin has something to draw on.
    bool HasBar(Qt::Orientation orientation) const;

protected:
    void PaintSkin(QPainter& painter, const QRect& rect) override;
    bool ChildEvent(QObject* watched, QEvent* event) override;

private:
    QScrollBar* Bar(Qt::Orientation orientation) const;
    void Track(QScrollBar* bar);
    void Record(Qt::Orientation orientation, int action);
    bool Skinned(const ControlLook& look) const;
    void PaintBar(QPainter& painter, const QScrollBar& bar, const ControlLook& look);

    ScrollPart pressed_ = ScrollPart::None;
};

} // namespace lirem::skin
