// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the skinned controls read from a skin: the elements they draw with and
// the palette, as plain values. Taken from TSkinData at paint time, so a skin
// reloaded later is seen by every control without re-attaching.

#include <QColor>
#include <QImage>
#include <QList>

#include <optional>

namespace lirem::skin {

class TSkinData;

// One skin element: an image of FrameCount frames side by side, its fixed
// margins and its drawing flags.
struct SkinElement {
    const QImage* image = nullptr;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int trans = 0;
    int tile = 0;
    int frames = 1;
    int normalColour = -1;
    int mouseOverColour = -1;
    int pressedColour = -1;

    // The element exists and has an image to draw.
    bool Usable() const { return image != nullptr && !image->isNull(); }
};

struct ControlLook {
    SkinElement buttons;
    const QImage* checkButton = nullptr;
    int checkButtonFrames = 0;
    const QImage* radioButton = nullptr;
    int radioButtonFrames = 0;
    SkinElement tabs;
    const QImage* tabBorder = nullptr;
    SkinElement statusBarEdges;
    SkinElement progress;
    SkinElement comboButton;
    SkinElement sunkEdge;
    SkinElement extraImages;
    SkinElement scrollbar;
    SkinElement horzScroll;
    SkinElement vertScroll;
    SkinElement horzScrollThumb;
    SkinElement vertScrollThumb;

    QColor buttonFace;
    QColor buttonText;
    QColor buttonShadow;
    QColor buttonHilight;
    QColor scrollbarColour;
    QList<QColor> colourList;

    // The colour of a colour number, or none when the number is outside the
    // colour list (the caller keeps its own colour then).
    std::optional<QColor> ColourOf(int number) const;
};

// The look of skin; an empty skin yields no usable elements.
ControlLook LookOf(const TSkinData& skin);

} // namespace lirem::skin
