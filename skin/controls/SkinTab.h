// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab and page controls: the header band, the tab headers from the Tabs
// element and the page border from its BorderBitmap.

#include "skin/controls/SkinControlDraw.h"
#include "skin/controls/WinSubClass.h"

class QTabBar;
class QTabWidget;

namespace lirem::skin {

// Frame of the Tabs element for a header: 2 for the current tab, 1 others.
inline int TabFrame(bool current) {
    return current ? 2 : 1;
}

// The page area of a tab control whose headers end at headerBottom: from the
// header bottom (moved up by 1 when the Tabs bottom margin is above 2, else
// by 2) to the bottom of the control.
QRect TabPageArea(QSize control, int headerBottom, int tabsBottomMargin);

class TSkinTab : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;
    void Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) override;

protected:
    void PaintSkin(QPainter& painter, const QRect& rect) override;
    bool ChildEvent(QObject* watched, QEvent* event) override;

private:
    QTabWidget* Tabs() const;
    QTabBar* Bar() const;
    // Paints band, page area, border and headers, in the tab control's
    // coordinates; the painter clips to the widget being painted.
    void PaintTabs(QPainter& painter, const ControlLook& look);
    void PaintBorder(QPainter& painter, const QRect& page, const QImage& border) const;
    static void DrawFocusMark(QPainter& painter, const QRect& header, const QColor& colour);

    ComposedCache headers_;
    CaptionCache captions_;
};

} // namespace lirem::skin
