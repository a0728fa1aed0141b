// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinControlLook.h"

#include "skin/data/WinSkinData.h"

#include <QGuiApplication>

namespace lirem::skin {

namespace {

SkinElement View(const TDataSkinObject* element) {
    SkinElement view;
    if (element == nullptr)
        return view;
    view.image = &element->Bitmap;
    view.left = element->LeftWidth;
    view.top = element->TopHeight;
    view.right = element->RightWidth;
    view.bottom = element->BottomHeight;
    view.trans = element->Trans;
    view.tile = element->Tile;
    view.frames = element->FrameCount;
    view.normalColour = element->NormalColour;
    view.mouseOverColour = element->MouseOverColour;
    view.pressedColour = element->PressedColour;
    return view;
}

} // namespace

std::optional<QColor> ControlLook::ColourOf(int number) const {
    if (number < 0 || number >= colourList.size())
        return std::nullopt;
    return colourList[number];
}

ControlLook LookOf(const TSkinData& skin) {
    ControlLook look;
    const QPalette system = QGuiApplication::palette();
    const SkinPalette& palette = skin.Palette();
    look.buttonFace = ResolveColour(palette.ButtonFace, system);
    look.buttonText = ResolveColour(palette.ButtonText, system);
    look.buttonShadow = ResolveColour(palette.ButtonShadow, system);
    look.buttonHilight = ResolveColour(palette.ButtonHilight, system);
    look.scrollbarColour = ResolveColour(palette.Scrollbar, system);
    for (const Colour colour : skin.ColourList())
        look.colourList.append(ResolveColour(colour, system));
    // An empty skin draws nothing: every element stays unusable.
    if (skin.SkinEmpty())
        return look;

    const TDataSkinButton& buttons = skin.Buttons();
    look.buttons = View(&buttons);
    look.checkButton = &buttons.CheckButton;
    look.checkButtonFrames = buttons.CheckButtonFrame;
    look.radioButton = &buttons.RadioButton;
    look.radioButtonFrames = buttons.RadioButtonFrame;
    look.tabs = View(skin.Tabs());
    look.tabBorder = skin.Tabs() != nullptr ? &skin.Tabs()->BorderBitmap : nullptr;
    look.statusBarEdges = View(skin.StatusBarEdges());
    look.progress = View(skin.Progress());
    look.comboButton = View(skin.ComboButton());
    look.sunkEdge = View(skin.SunkEdge());
    look.extraImages = View(skin.ExtraImages());
    look.scrollbar = View(skin.Scrollbar());
    look.horzScroll = View(skin.HorzScroll());
    look.vertScroll = View(skin.VertScroll());
    look.horzScrollThumb = View(skin.HorzScrollThumb());
    look.vertScrollThumb = View(skin.VertScrollThumb());
    return look;
}

} // namespace lirem::skin
