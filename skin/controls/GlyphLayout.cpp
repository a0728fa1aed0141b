// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/GlyphLayout.h"

namespace lirem::skin {

GlyphPlacement PlaceGlyph(QSize client, QSize glyph, QSize text, GlyphLayout layout, int margin, int spacing) {
    const bool across = layout == GlyphLayout::Left || layout == GlyphLayout::Right;
    GlyphPlacement at;
    // Centred on the other axis.
    if (across) {
        at.text.setY((client.height() - text.height() + 1) / 2);
        at.glyph.setY((client.height() - glyph.height() + 1) / 2);
    } else {
        at.glyph.setX((client.width() - glyph.width() + 1) / 2);
        at.text.setX((client.width() - text.width() + 1) / 2);
    }
    // Spacing means nothing without both a glyph and a caption.
    if (text.width() == 0 || glyph.width() == 0)
        spacing = 0;
    const int clientLength = across ? client.width() : client.height();
    const int glyphLength = across ? glyph.width() : glyph.height();
    const int textLength = across ? text.width() : text.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientLength - (glyphLength + textLength)) / 3;
            spacing = margin;
        } else {
            margin = (clientLength - (glyphLength + spacing + textLength) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientLength - (margin + glyphLength) - textLength) / 2;
    }
    switch (layout) {
    case GlyphLayout::Left:
        at.glyph.setX(margin);
        at.text.setX(margin + glyphLength + spacing);
        break;
    case GlyphLayout::Right:
        at.glyph.setX(clientLength - margin - glyphLength);
        at.text.setX(at.glyph.x() - spacing - textLength);
        break;
    case GlyphLayout::Top:
        at.glyph.setY(margin);
        at.text.setY(margin + glyphLength + spacing);
        break;
    case GlyphLayout::Bottom:
        at.glyph.setY(clientLength - margin - glyphLength);
        at.text.setY(at.glyph.y() - spacing - textLength);
        break;
    }
    return at;
}

} // namespace lirem::skin
