// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry rules of the skinned controls, as tables.

#include "skin/controls/GlyphLayout.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinTab.h"

#include <gtest/gtest.h>

#include <climits>

using namespace lirem::skin;

namespace {

TEST(ThumbGeometry, LengthAndOffsetForSampleRanges) {
    struct Case {
        const char* name;
        int bar, arrow;
        ScrollInfo info;
        int track, length, offset;
    };
    // Bar 100 long with 16-pixel arrows: track 68. Minimum thumb 8, platform thumb 16.
    const Case cases[] = {
        {"short page: minimum length", 100, 16, {0, 99, 10, 0}, 68, 8, 0},
        {"middle", 100, 16, {0, 99, 10, 45}, 68, 8, 30},
        {"last position ends at the track end", 100, 16, {0, 99, 10, 90}, 68, 8, 60},
        {"half page", 100, 16, {0, 99, 50, 25}, 68, 34, 17},
        {"page covers the range: one pixel shorter", 100, 16, {0, 99, 100, 0}, 68, 67, 0},
        {"no page: platform thumb", 100, 16, {0, 99, 0, 50}, 68, 16, 26},
        {"page beyond the range: no division by a negative", 100, 16, {0, 99, 200, 5}, 68, 68, 0},
        {"range not from 0", 100, 16, {10, 109, 10, 100}, 68, 8, 60},
        {"huge range without overflow", 100, 16, {0, 2000000000, 1000000000, 1000000000}, 68, 33, 34},
        {"bar shorter than two arrows", 20, 16, {0, 99, 10, 50}, 0, 0, 0},
        {"position outside the range is clamped", 100, 16, {0, 99, 10, 500}, 68, 8, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ThumbGeometry thumb = ThumbOf(c.bar, c.arrow, c.info, 8, 16);
        EXPECT_EQ(thumb.track, c.track);
        EXPECT_EQ(thumb.length, c.length);
        EXPECT_EQ(thumb.offset, c.offset);
    }
}

TEST(ScrollBarRects, BarsAndCornerFromTheWindowRectangle) {
    struct Case {
        const char* name;
        bool h, v;
        QRect horizontal, vertical, corner;
    };
    // 200 x 100 control, 2-pixel client edge, 16-pixel arrows.
    const Case cases[] = {
        {"both", true, true, QRect(2, 82, 180, 16), QRect(182, 2, 16, 80), QRect(182, 82, 16, 16)},
        {"horizontal alone", true, false, QRect(2, 82, 196, 16), QRect(), QRect()},
        {"vertical alone", false, true, QRect(), QRect(182, 2, 16, 96), QRect()},
        {"none", false, false, QRect(), QRect(), QRect()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScrollBarRects rects = BarRects(200, 100, 2, 16, c.h, c.v);
        EXPECT_EQ(rects.horizontal, c.horizontal);
        EXPECT_EQ(rects.vertical, c.vertical);
        EXPECT_EQ(rects.corner, c.corner);
    }
}

TEST(GlyphLayout, GlyphAndCaptionPlacement) {
    struct Case {
        const char* name;
        QSize client, glyph, text;
        GlyphLayout layout;
        int margin, spacing;
        QPoint glyphAt, textAt;
    };
    const Case cases[] = {
        {"left, centred, spacing 4", {100, 30}, {16, 16}, {40, 14}, GlyphLayout::Left, -1, 4, {20, 7}, {40, 8}},
        {"left, evenly spread", {100, 30}, {16, 16}, {40, 14}, GlyphLayout::Left, -1, -1, {14, 7}, {44, 8}},
        {"right, margin 5", {100, 30}, {16, 16}, {40, 14}, GlyphLayout::Right, 5, 4, {79, 7}, {35, 8}},
        {"top, centred", {100, 60}, {16, 16}, {40, 14}, GlyphLayout::Top, -1, 4, {42, 13}, {30, 33}},
        {"bottom, margin 2, spread", {100, 60}, {16, 16}, {40, 14}, GlyphLayout::Bottom, 2, -1, {42, 42}, {30, 14}},
        {"no caption: spacing ignored", {100, 30}, {16, 16}, {0, 0}, GlyphLayout::Left, -1, 4, {42, 7}, {58, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GlyphPlacement at = PlaceGlyph(c.client, c.glyph, c.text, c.layout, c.margin, c.spacing);
        EXPECT_EQ(at.glyph, c.glyphAt);
        EXPECT_EQ(at.text, c.textAt);
    }
}

TEST(CheckGlyph, PlacementByWidthAndCaptionSide) {
    struct Case {
        const char* name;
        QSize glyph;
        bool captionOnRight;
        QRect rect;
    };
    // Control 100 x 20.
    const Case cases[] = {
        {"12 wide: inset (14 - 12) / 2 = 1", {12, 12}, true, QRect(1, 4, 12, 12)},
        {"12 wide, caption left: ends 1 from the right", {12, 12}, false, QRect(87, 4, 12, 12)},
        {"13 wide: inset 0", {13, 13}, true, QRect(0, 3, 13, 13)},
        {"10 wide: inset 2", {10, 10}, true, QRect(2, 5, 10, 10)},
        {"16 wide: at the left edge", {16, 16}, true, QRect(0, 2, 16, 16)},
        {"16 wide, caption left: 1 from the right edge", {16, 16}, false, QRect(83, 2, 16, 16)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckGlyphRect(QSize(100, 20), c.glyph, c.captionOnRight), c.rect);
    }
}

TEST(StateFrames, ButtonFrameAndComboCell) {
    struct Case {
        bool enabled, focused, pressed, hot;
        int button, combo;
    };
    const Case cases[] = {
        {true, false, false, false, 1, 1}, {true, true, false, false, 4, 4}, {true, false, false, true, 4, 4},
        {true, true, true, false, 2, 2},   {true, false, true, true, 2, 2},  {false, false, false, false, 3, 3},
        {false, true, true, true, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.enabled << c.focused << c.pressed << c.hot);
        EXPECT_EQ(ButtonFrame(c.enabled, c.focused, c.pressed, c.hot), c.button);
        EXPECT_EQ(ComboButtonCell(c.enabled, c.pressed, c.focused || c.hot), c.combo);
    }
}

TEST(Progress, FilledWidth) {
    struct Case {
        const char* name;
        int width, min, max, value, filled;
    };
    const Case cases[] = {
        {"half", 200, 0, 100, 50, 100},
        {"maximum 0 fills nothing", 200, 0, 0, 0, 0},
        {"maximum below minimum", 200, 10, 5, 7, 0},
        {"minimum counts", 200, 10, 20, 15, 100},
        {"beyond the maximum", 200, 0, 100, 150, 200},
        {"below the minimum", 200, 0, 100, -5, 0},
        {"no overflow", 200, 0, INT_MAX, INT_MAX, 200},
        {"full range of int", 200, INT_MIN, INT_MAX, 0, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ProgressFill(c.width, c.min, c.max, c.value), c.filled);
    }
}

TEST(TabPage, AreaStartsAtTheHeaderBottom) {
    EXPECT_EQ(TabPageArea(QSize(300, 200), 24, 7), QRect(0, 23, 300, 177));
    EXPECT_EQ(TabPageArea(QSize(300, 200), 24, 3), QRect(0, 23, 300, 177));
    EXPECT_EQ(TabPageArea(QSize(300, 200), 24, 2), QRect(0, 22, 300, 178));
    EXPECT_EQ(TabPageArea(QSize(300, 200), 24, 0), QRect(0, 22, 300, 178));
    EXPECT_EQ(TabFrame(true), 2);
    EXPECT_EQ(TabFrame(false), 1);
}

} // namespace
