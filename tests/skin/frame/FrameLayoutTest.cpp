// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's geometry rules on their own: caption button visibility and
// placement, the caption text block, and the image frame of each part.

#include "skin/frame/FrameLayout.h"

#include <gtest/gtest.h>

namespace lirem::skin {
namespace {

struct ConditionCase {
    int code;
    bool activeNormal, inactiveNormal, activeMaximized;
};

// Each visibility code against the window's activation and maximised state.
TEST(SysButtonConditionTest, CodesAgainstWindowState) {
    const ConditionCase cases[] = {
        {0, true, true, true},    {6, true, true, true},     {8, true, true, true},     {27, true, true, true},
        {52, true, true, true},   {53, true, true, true},    {54, true, true, true},    {1, true, false, true},
        {2, false, true, false},  {3, false, false, true},   {4, true, true, false},    {5, false, false, false},
        {7, false, false, false}, {-1, false, false, false}, {99, false, false, false},
    };
    for (const ConditionCase& c : cases) {
        EXPECT_EQ(SysButtonCondition(ToButtonVisibility(c.code), {true, false, {}}), c.activeNormal) << c.code;
        EXPECT_EQ(SysButtonCondition(ToButtonVisibility(c.code), {false, false, {}}), c.inactiveNormal) << c.code;
        EXPECT_EQ(SysButtonCondition(ToButtonVisibility(c.code), {true, true, {}}), c.activeMaximized) << c.code;
    }
}

struct IconCase {
    int code;
    BorderIcons icons;
    bool visible;
};

TEST(SysButtonConditionTest, CodesAgainstBorderIcons) {
    const BorderIcons help{true, false, false, true};
    const BorderIcons max{true, false, true, false};
    const BorderIcons min{true, true, false, false};
    const BorderIcons none{true, false, false, false};
    const IconCase cases[] = {
        {13, help, true}, {13, none, false}, {14, help, false}, {14, none, true},  {20, max, true},  {20, none, false},
        {21, max, false}, {21, none, true},  {22, min, true},   {22, none, false}, {23, min, false}, {23, none, true},
    };
    for (const IconCase& c : cases)
        EXPECT_EQ(SysButtonCondition(ToButtonVisibility(c.code), {true, false, c.icons}), c.visible) << c.code;
}

struct VisibleCase {
    const char* name;
    int visibility, visibility1, action;
    SysButtonContext context;
    bool visible;
};

TEST(IsSysButtonVisibleTest, BothCodesAndTheWindowIcons) {
    const BorderIcons program{true, true, false, false}; // system menu and minimise
    const BorderIcons all{true, true, true, false};
    const VisibleCase cases[] = {
        {"minimise, program window", 0, 0, 2, {true, false, program}, true},
        {"close, program window", 0, 0, 0, {true, false, program}, true},
        {"icon, program window", 0, 0, 11, {true, false, program}, true},
        {"maximise, program window", 4, 0, 1, {true, false, program}, false},
        {"restore, program window, maximised", 3, 0, 1, {true, true, program}, false},
        {"maximise, resizable", 4, 0, 1, {true, false, all}, true},
        {"maximise, resizable, maximised", 4, 0, 1, {true, true, all}, false},
        {"restore, resizable, maximised", 3, 0, 1, {true, true, all}, true},
        {"action 22 without maximise icon", 0, 0, 22, {true, false, program}, false},
        {"minimise without minimise icon", 0, 0, 2, {true, false, {true, false, true, false}}, false},
        {"action 23 without minimise icon", 0, 0, 23, {true, false, {true, false, true, false}}, false},
        {"second code hides", 0, 2, 0, {true, false, program}, false},
        {"second code shows", 0, 1, 0, {true, false, program}, true},
    };
    for (const VisibleCase& c : cases)
        EXPECT_EQ(IsSysButtonVisible(ToButtonVisibility(c.visibility), ToButtonVisibility(c.visibility1),
                                     ToSysAction(c.action), c.context),
                  c.visible)
            << c.name;
}

struct PositionCase {
    int align, x, y;
    QPoint expected;
};

TEST(SysButtonPositionTest, EveryAlign) {
    const QSize window(700, 430);
    const QSize button(19, 20);
    const QRect text(70, 8, 200, 16); // right end at 270
    const PositionCase cases[] = {
        {0, 14, 6, {14, 6}}, {1, 61, 4, {639, 4}}, {1, 23, 4, {677, 4}}, {2, 5, 30, {5, 400}}, {3, 30, 25, {670, 405}},
        {8, 3, 4, {48, 4}},  {9, 3, 4, {273, 4}},  {4, 10, 10, {0, 0}},  {-1, 10, 10, {0, 0}},
    };
    for (const PositionCase& c : cases)
        EXPECT_EQ(SysButtonPosition(ToButtonAlign(c.align), c.x, c.y, window, button, text), c.expected) << c.align;
}

struct TitleCase {
    const char* name;
    TitleTextInput in;
    QRect expected;
};

TEST(TitleTextRectTest, AlignmentShiftAndClip) {
    TitleTextInput program;
    program.area = QRect(10, 0, 678, 33); // 700-wide window, left 10, right 12
    program.titleHeight = 33;
    program.extent = QSize(300, 16);
    program.shift = 60;
    program.rightClip = 82;

    TitleTextInput centred = program;
    centred.alignment = 1;
    TitleTextInput right = program;
    right.alignment = 2;
    right.extent = QSize(100, 16);
    TitleTextInput clipped = program;
    clipped.extent = QSize(600, 16);
    TitleTextInput caps = program;
    caps.backLeft = 5;
    caps.backRight = 7;
    TitleTextInput down = program;
    down.shiftVert = 5; // 5 div 2 = 2
    TitleTextInput up = program;
    up.shiftVert = -5; // rounds toward zero: -2
    TitleTextInput odd = program;
    odd.extent = QSize(300, 17); // (33 - 17) div 2 = 8

    const TitleCase cases[] = {
        {"left, TextShift 60", program, QRect(70, 8, 300, 16)},
        {"centred", centred, QRect(10 + 189, 8, 300, 16)},
        {"right, plus the right clip", right, QRect(10 + 578 + 82, 8, 0, 16)},
        {"clipped at area right minus TextRightClip", clipped, QRect(70, 8, 688 - 82 - 70, 16)},
        {"background caps widen the block", caps, QRect(70, 8, 312, 16)},
        {"shifted down", down, QRect(70, 10, 300, 16)},
        {"shifted up, toward zero", up, QRect(70, 6, 300, 16)},
        {"odd height", odd, QRect(70, 8, 300, 17)},
    };
    for (const TitleCase& c : cases)
        EXPECT_EQ(TitleTextRect(c.in), c.expected) << c.name;
}

TEST(FrameIndexTest, BordersAndCaptionButtons) {
    EXPECT_EQ(BorderFrameIndex(true, 2), 1);
    EXPECT_EQ(BorderFrameIndex(false, 2), 2);
    EXPECT_EQ(BorderFrameIndex(false, 1), 1);

    struct Case {
        int state;
        bool active;
        int frames, expected;
    };
    const Case cases[] = {
        {1, true, 3, 1}, {1, false, 3, 1}, {1, false, 4, 4}, {1, true, 4, 1},  {1, false, 6, 4},
        {2, true, 3, 2}, {3, true, 3, 3},  {3, true, 6, 3},  {2, false, 4, 2}, {3, true, 1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SysButtonFrameIndex(c.state, c.active, c.frames), c.expected)
            << c.state << " " << c.active << " " << c.frames;
}

} // namespace
} // namespace lirem::skin
