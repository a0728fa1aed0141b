// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry of a skinned scroll bar: where the bars lie in the control and how
// long the thumb is and where it sits on the track.

#include <QRect>

namespace lirem::skin {

struct ScrollBarRects {
    QRect horizontal; // empty without a horizontal bar
    QRect vertical;   // empty without a vertical bar
    QRect corner;     // the square between two bars; empty unless both exist
};

// Bars of a width x height control: edge = the frame width when the control
// has one, else 0; arrow = the width of a bar's arrow square.
ScrollBarRects BarRects(int width, int height, int edge, int arrow, bool hasHorizontal, bool hasVertical);

// Scroll information in the classic form: positions min..max, page the
// visible part (0: none), pos the first visible position.
struct ScrollInfo {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
};

struct ThumbGeometry {
    int track = 0;  // bar length without the two arrow squares
    int length = 0; // thumb length
    int offset = 0; // thumb start from the track start
};

// Thumb of a bar barLength long with arrow squares of arrow pixels: length
// page * track / range but at least minimum (platformThumb without a page),
// at most the track; offset (pos - min) * (track - length) / (range - page),
// or 0 with the thumb one pixel shorter when the page covers the range.
ThumbGeometry ThumbOf(int barLength, int arrow, const ScrollInfo& info, int minimum, int platformThumb);

} // namespace lirem::skin
