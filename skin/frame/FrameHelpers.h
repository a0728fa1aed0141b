// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers the parts of TWinSkinForm share.

#include "skin/data/WinSkinData.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace lirem::skin {

// The frames of a skin element; a count below 1 means one frame.
inline int Frames(const TDataSkinObject& element) {
    return element.FrameCount > 0 ? element.FrameCount : 1;
}

// Gives the widget the face colour as its background.
inline void SetFaceColour(QWidget& w, const QColor& face) {
    QPalette palette = w.palette();
    palette.setColor(QPalette::Window, face);
    w.setPalette(palette);
}

} // namespace lirem::skin
