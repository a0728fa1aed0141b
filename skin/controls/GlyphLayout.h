// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placement of a bitmap button's glyph and caption inside the button, by the
// rules of the classic bitmap button: glyph left, right, above or below the
// caption, a margin from the edge and a spacing between the two, where -1
// means centred (margin) or evenly spread (spacing).

#include <QPoint>
#include <QSize>

namespace lirem::skin {

enum class GlyphLayout { Left, Right, Top, Bottom };

struct GlyphPlacement {
    QPoint glyph; // top-left of the glyph, relative to the client
    QPoint text;  // top-left of the caption's measured box
};

GlyphPlacement PlaceGlyph(QSize client, QSize glyph, QSize text, GlyphLayout layout, int margin, int spacing);

} // namespace lirem::skin
