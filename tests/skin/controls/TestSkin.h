// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Skins for the skinned-control tests: a synthetic one whose every element is
// made of flat, distinct colours (so a sampled pixel tells which frame or cell
// was drawn), and the program's own skin.

#include "skin/data/WinSkinData.h"

#include <QColor>

#include <memory>

namespace lirem::skin::test {

// Colour of frame (or cell) k, 1-based, of an element; every element has its
// own base so that no two frames anywhere share a colour.
QColor FrameColour(int base, int k);

// Bases of the synthetic elements.
inline constexpr int kButtonBase = 10;
inline constexpr int kCheckBase = 20;
inline constexpr int kRadioBase = 30;
inline constexpr int kTabsBase = 40;
inline constexpr int kEdgesBase = 50;
inline constexpr int kComboBase = 60;
inline constexpr int kSunkBase = 70;
inline constexpr int kScrollBase = 80; // 23 arrow cells: 80..102
inline constexpr int kHorzTrackBase = 110;
inline constexpr int kVertTrackBase = 120;
inline constexpr int kHorzThumbBase = 130;
inline constexpr int kVertThumbBase = 140;
inline constexpr int kProgressBase = 150;

inline const QColor kFace(207, 207, 207);
inline const QColor kButtonText(1, 2, 3);
inline const QColor kShadow(146, 146, 146);
inline const QColor kHilight(238, 238, 238);
inline const QColor kScrollColour(230, 231, 232);
inline const QColor kBorderColour(90, 40, 10);
// ColourList entries 0 and 1 of the synthetic skin.
inline const QColor kColour0(200, 10, 20);
inline const QColor kColour1(10, 20, 200);

struct TestSkinOptions {
    bool statusBarEdges = true;
    bool buttonColours = false; // Buttons Normal/MouseOver/Pressed colour numbers 0, 1, 0
};

// The synthetic skin. Button frames are 20 x 20 with 3-pixel margins and a
// magenta top-left pixel; tab frames 12 x 12; cells of the check and radio
// images 12 x 12 (image 48 x 12, frame count computed).
std::unique_ptr<skin::TSkinData> MakeTestSkin(const TestSkinOptions& options = {});

// The program's skin, as the program loads it (tests/support).
std::unique_ptr<skin::TSkinData> MakeProgramSkin();

} // namespace lirem::skin::test
