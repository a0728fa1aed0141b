// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Status bars: each panel gets a bevel from the StatusBarEdges element, or
// without it a one-pixel 3-D frame, and its text on ButtonFace.

#include "skin/controls/SkinControlDraw.h"
#include "skin/controls/WinSubClass.h"

#include <QList>
#include <QString>

namespace lirem::skin {

enum class PanelBevel { Lowered, Raised, None };

// One panel of a status bar, in the bar's coordinates.
struct StatusPanel {
    QRect rect;
    PanelBevel bevel = PanelBevel::Lowered;
    QString text; // drawn by the skin; empty when the panel draws its own
    Qt::Alignment alignment = Qt::AlignLeft;
    bool hasText = false; // the panel shows a text (its own or the skin's)
};

// The panels of a status bar: a simple-text bar (a message shown) is one
// left-aligned lowered panel; otherwise each visible widget of the bar is a
// panel drawing its own text. A label used as the bar is one panel.
QList<StatusPanel> PanelsOf(const QWidget* bar);

class TSkinStatusBar : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;
    void Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) override;

protected:
    void PaintSkin(QPainter& painter, const QRect& rect) override;

private:
    ComposedCache edges_;
};

} // namespace lirem::skin
