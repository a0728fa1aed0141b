// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry rules of a skinned window frame that need no window: which
// caption buttons show, where they go, where the caption text goes and which
// image frame each part uses.

#include "skin/data/SysButtonCodes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lirem::skin {

// The caption icons a window asked for (minimise, maximise, help, system menu).
struct BorderIcons {
    bool systemMenu = false;
    bool minimize = false;
    bool maximize = false;
    bool help = false;
    bool operator==(const BorderIcons&) const = default;
};

// What a caption button's visibility rules look at.
struct SysButtonContext {
    bool active = true;
    bool maximized = false;
    BorderIcons icons;
};

// One visibility condition of a caption button (its Visibility or Visibility1).
bool SysButtonCondition(ButtonVisibility visibility, const SysButtonContext& context);

// Both visibility conditions, then the window's icons for the maximise and
// minimise actions.
bool IsSysButtonVisible(ButtonVisibility visibility, ButtonVisibility visibility1, SysAction action,
                        const SysButtonContext& context);

// Top-left corner of a caption button of the given size in a window of the
// given size; titleText is where the caption text was drawn (for the aligns
// beside the caption text).
QPoint SysButtonPosition(ButtonAlign align, int x, int y, QSize window, QSize button, const QRect& titleText);

// The caption text block within the title area.
struct TitleTextInput {
    QRect area;          // the top border's rectangle
    int titleHeight = 0; // height of the title band
    QSize extent;        // measured text (with its blanks)
    int alignment = 0;   // 0 left, 1 centred, 2 right
    int shift = 0;       // TextShift
    int shiftVert = 0;   // TextShiftVert
    int rightClip = 0;   // TextRightClip
    int backLeft = 0;    // TXTBackleft
    int backRight = 0;   // TXTBackRight
};

// The rectangle of the text block: its left end by the alignment, vertically
// centred, its right end clipped to the area's right minus the right clip.
QRect TitleTextRect(const TitleTextInput& in);

// Border image frame: 1 when active or single-framed, else 2.
int BorderFrameIndex(bool active, int frameCount);

// Caption button image frame for its state (1 normal, 2 pressed, 3 hot):
// pressed and hot show their own frame; a normal button shows frame 1, or 4
// on an inactive window when the image has at least four frames.
int SysButtonFrameIndex(int state, bool active, int frameCount);

} // namespace lirem::skin
