// SPDX-License-Identifier: GPL-3.0-or-later
// Skin colours: 32-bit values that are either an RGB value (red in the low
// byte, then green, then blue) or a reference 0x800000nn to a system colour,
// resolved through the application palette when drawing.
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <string_view>

namespace lirem::skin {

using Colour = std::uint32_t;

// System colour references by their classic index.
inline constexpr Colour kClScrollBar = 0x80000000;
inline constexpr Colour kClMenu = 0x80000004;
inline constexpr Colour kClMenuText = 0x80000007;
inline constexpr Colour kClWindowText = 0x80000008;
inline constexpr Colour kClCaptionText = 0x80000009;
inline constexpr Colour kClHighlight = 0x8000000D;
inline constexpr Colour kClHighlightText = 0x8000000E;
inline constexpr Colour kClBtnFace = 0x8000000F;
inline constexpr Colour kClBtnShadow = 0x80000010;
inline constexpr Colour kClGrayText = 0x80000011;
inline constexpr Colour kClBtnText = 0x80000012;
inline constexpr Colour kClInactiveCaptionText = 0x80000013;
inline constexpr Colour kClBtnHighlight = 0x80000014;
inline constexpr Colour kCl3DDkShadow = 0x80000015;
inline constexpr Colour kCl3DLight = 0x80000016;

// Marks a title text colour the skin did not set.
inline constexpr Colour kColourUnset = 0x1FFFFFFF;

constexpr Colour RgbColour(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 | static_cast<Colour>(b & 0xFF) << 16;
}

constexpr bool IsSystemColour(Colour c) {
    return (c & 0xFF000000u) == 0x80000000u;
}

// Parses a skin colour text such as "64 112 176" or "64,112,176": digits build
// a number, any other character ends it and moves on to the next of the three
// slots (so two blanks in a row skip a slot). Numbers past the third are
// ignored. An empty text gives `fallback`.
Colour ParseColourText(std::string_view text, Colour fallback);

// The colour to draw with: RGB values as they are, system colours from `palette`.
QColor ResolveColour(Colour colour, const QPalette& palette);

} // namespace lirem::skin
