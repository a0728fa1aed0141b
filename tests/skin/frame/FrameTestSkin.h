// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small synthetic skin for the frame tests: plain-coloured borders and
// caption buttons whose frames differ in colour, magenta stair corners at the
// top of the side borders, and a menu bar image.

#include "skin/data/WinSkinData.h"
#include "tests/support/SkinImages.h" // LoadProgramSkin

#include <QColor>
#include <QRgb>

#include <memory>

namespace lirem::skin::test {

// Frame metrics of the test skin.
inline constexpr int kLeft = 6;
inline constexpr int kTitle = 24;
inline constexpr int kRight = 7;
inline constexpr int kBottom = 8;
inline constexpr int kTextShift = 10;
inline constexpr int kTextRightClip = 30;
inline constexpr int kMenuLeftWidth = 3;

// Border colours: index 0 frame 1 (active), index 1 frame 2 (inactive).
inline constexpr QRgb kLeftColour[2] = {qRgb(200, 30, 30), qRgb(100, 30, 30)};
inline constexpr QRgb kRightColour[2] = {qRgb(30, 200, 30), qRgb(30, 100, 30)};
inline constexpr QRgb kTopColour[2] = {qRgb(30, 30, 200), qRgb(30, 30, 100)};
inline constexpr QRgb kBottomColour[2] = {qRgb(200, 200, 30), qRgb(100, 100, 30)};
// Caption button frame colours (frame k at index k - 1).
inline constexpr QRgb kButtonColour[4] = {qRgb(10, 60, 90), qRgb(20, 70, 100), qRgb(30, 80, 110), qRgb(40, 90, 120)};
inline constexpr QRgb kMenuBarColour = qRgb(180, 180, 220);
inline constexpr QRgb kFaceColour = qRgb(207, 207, 207);

// Caption buttons: minimise (3 frames, Align 1, 40, 5), maximise (Visibility 4,
// Align 1, 28, 5), close (4 frames, Align 1, 16, 5), restore (Visibility 3),
// and the icon button (Action 11, Align 0, 4, 4, no image). Each image button is 10 x 10.
inline constexpr int kButtonSize = 10;
inline constexpr int kMinX = 40;
inline constexpr int kCloseX = 16;
inline constexpr int kButtonY = 5;
inline constexpr int kIconX = 4;
inline constexpr int kIconY = 4;

struct TestSkinOptions {
    int textAlignment = 0;
    bool withMenuBar = true;
};

// Loads the test skin into `data` (telling its forms that the skin changed).
void LoadTestSkin(TSkinData& data, const TestSkinOptions& options = {});
std::unique_ptr<TSkinData> MakeTestSkin(const TestSkinOptions& options = {});

} // namespace lirem::skin::test
