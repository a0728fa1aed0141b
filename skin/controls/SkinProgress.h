// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Progress bars from the Progress element: frame 1 for the whole bar, frame 2
// for the filled part.

#include "skin/controls/SkinControlDraw.h"
#include "skin/controls/WinSubClass.h"

namespace lirem::skin {

// Width of the filled part of a bar width pixels wide: (value - minimum) *
// width / (maximum - minimum), within 0..width. An empty range (maximum not
// above minimum) fills nothing rather than dividing by zero.
int ProgressFill(int width, int minimum, int maximum, int value);

class TSkinProgress : public TSkinControl {
    Q_OBJECT
public:
    using TSkinControl::TSkinControl;

protected:
    void PaintSkin(QPainter& painter, const QRect& rect) override;

private:
    ComposedCache parts_;
};

} // namespace lirem::skin
